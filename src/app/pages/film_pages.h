// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>
#include <QPixmap>

class QTabWidget;

namespace ravello::app {

class CastPage;
class CoverPage;
class DataPage;
class PhotoPage;

// The film's pages beside the results (Panel1 holding PAG_Pagine): cover, data, cast and crew,
// cast photos, crew photos.
class FilmPages : public QFrame
{
public:
    explicit FilmPages(QWidget* parent);

    QTabWidget* tabs() const { return m_tabs; }
    CoverPage* cover() const { return m_cover; }
    DataPage* data() const { return m_data; }
    CastPage* cast() const { return m_cast; }
    PhotoPage* castPhotos() const { return m_castPhotos; }
    PhotoPage* crewPhotos() const { return m_crewPhotos; }
    // The marker drawn beside people who have a photo (IMG_Attore).
    QPixmap photoMarker() const { return m_photoMarker; }

    // Shows or hides DVD Profiler's view of a collection title on the cover and data pages.
    void setTitleViewVisible(bool visible);

private:
    QTabWidget* m_tabs = nullptr;
    CoverPage* m_cover = nullptr;
    DataPage* m_data = nullptr;
    CastPage* m_cast = nullptr;
    PhotoPage* m_castPhotos = nullptr;
    PhotoPage* m_crewPhotos = nullptr;
    QPixmap m_photoMarker;
};

} // namespace ravello::app
