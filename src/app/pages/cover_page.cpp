// SPDX-License-Identifier: MIT
#include "app/pages/cover_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/pages/widget_factory.h"

namespace ravello::app {

CoverPage::CoverPage()
{
    setObjectName(QStringLiteral("Pag_Cover"));
    auto* layout = new QHBoxLayout(this);
    m_tmdbCover = makeImage(this, "IMG_CoverMDB", {300, 450});
    layout->addWidget(captioned(this, "LBL_CoverMDB", m_tmdbCover), 1);
    m_dvdCover = makeImage(this, "IMG_CoverDVD", {300, 450});
    m_dvdBox = captioned(this, "LBL_CoverDVD", m_dvdCover, &m_dvdCaption);
    m_dvdBox->setVisible(false);
    layout->addWidget(m_dvdBox, 1);
    // The collection number sits below DVD Profiler's cover and shows with it.
    auto* number = new QHBoxLayout;
    m_numberCaption = makeHiddenWidget<QLabel>(m_dvdBox, "LBL_NumColl");
    m_collectionNumber = makeHiddenWidget<QLabel>(m_dvdBox, "LBL_NumCollectionDVDP");
    m_occurrence = makeHiddenWidget<QLabel>(m_dvdBox, "LBL_NumCollectionDVDP1");
    for (QLabel* label : {m_numberCaption, m_collectionNumber, m_occurrence})
        number->addWidget(label);
    number->addStretch(1);
    qobject_cast<QVBoxLayout*>(m_dvdBox->layout())->addLayout(number);
}

void CoverPage::setTitleViewVisible(bool visible)
{
    // The occurrence label is not part of the view: it stays hidden.
    for (QLabel* control : {m_dvdCaption, m_numberCaption, m_collectionNumber, m_dvdCover})
        control->setVisible(visible);
    m_dvdBox->setVisible(visible);
}

} // namespace ravello::app
