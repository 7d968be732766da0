// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace ravello::app {

// The object names of a photo page's controls.
struct PhotoPageNames
{
    const char* page;
    const char* caption;
    const char* list;
    const char* image;
    const char* copyButton;
};

// A film page of people with their photos (Pag_Cast_Photo, PAG_Crew_Photo): the list, the photo
// of the person last asked for, and the button that copies it.
class PhotoPage : public QWidget
{
public:
    explicit PhotoPage(const PhotoPageNames& names);

    QLabel* caption() const { return m_caption; }
    QListWidget* list() const { return m_list; }
    QPushButton* copyButton() const { return m_copyButton; }

    // Shows the photo, scaled into its box, and keeps it whole for the copy button.
    void showPhoto(const QImage& photo);
    // Shows no photo: the copy button then copies nothing.
    void clearPhoto();
    // The photo shown; a null image before the first.
    const QImage& photo() const { return m_photo; }

private:
    QLabel* m_caption = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_image = nullptr;
    QPushButton* m_copyButton = nullptr;
    QImage m_photo;
};

} // namespace ravello::app
