// SPDX-License-Identifier: MIT
#include "app/pages/film_pages.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/pages/cast_page.h"
#include "app/pages/cover_page.h"
#include "app/pages/data_page.h"
#include "app/pages/photo_page.h"
#include "app/pages/widget_factory.h"

namespace ravello::app {

FilmPages::FilmPages(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = makeWidget<QTabWidget>(this, "PAG_Pagine");
    m_cover = new CoverPage;
    m_tabs->addTab(m_cover, QString());
    m_data = new DataPage;
    m_tabs->addTab(m_data, QString());
    m_cast = new CastPage;
    m_tabs->addTab(m_cast, QString());
    m_castPhotos = new PhotoPage(
        {"Pag_Cast_Photo", "LBL_Cast2", "LST_CastMDB2", "IMG_Cast", "BTN_CopiaPhoto"});
    // The marker is kept as a hidden picture of the page, where earlier versions had it.
    m_photoMarker = QPixmap(QStringLiteral(":/pictures/photo_marker.png"));
    makeHiddenWidget<QLabel>(m_castPhotos, "IMG_Attore")->setPixmap(m_photoMarker);
    m_tabs->addTab(m_castPhotos, QString());
    m_crewPhotos = new PhotoPage(
        {"PAG_Crew_Photo", "LBL_Crew2", "LST_CrewMDB2", "IMG_Crew", "BTN_CopiaPhoto2"});
    // The interface texts caption every label but this one; it reads as the crew list's does.
    m_tabs->addTab(m_crewPhotos, QString());
    layout->addWidget(m_tabs);
}

void FilmPages::setTitleViewVisible(bool visible)
{
    m_cover->setTitleViewVisible(visible);
    m_data->setTitleViewVisible(visible);
}

} // namespace ravello::app
