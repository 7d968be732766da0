// SPDX-License-Identifier: MIT
#include "app/pages/photo_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/pages/widget_factory.h"

namespace ravello::app {

PhotoPage::PhotoPage(const PhotoPageNames& names)
{
    setObjectName(QLatin1String(names.page));
    auto* layout = new QHBoxLayout(this);
    m_list = makeList(this, names.list);
    layout->addWidget(captioned(this, names.caption, m_list, &m_caption), 2);
    auto* photoColumn = new QVBoxLayout;
    m_image = makeImage(this, names.image, {200, 300});
    photoColumn->addWidget(m_image, 1);
    m_copyButton = makeWidget<QPushButton>(this, names.copyButton);
    photoColumn->addWidget(m_copyButton);
    layout->addLayout(photoColumn, 1);
}

void PhotoPage::showPhoto(const QImage& photo)
{
    m_photo = photo;
    m_image->setPixmap(QPixmap::fromImage(photo).scaled(m_image->size(), Qt::KeepAspectRatio,
                                                        Qt::SmoothTransformation));
}

void PhotoPage::clearPhoto()
{
    m_photo = QImage();
    m_image->clear();
}

} // namespace ravello::app
