// SPDX-License-Identifier: MIT
#include "app/pages/cast_page.h"

#include <tuple>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include "app/pages/widget_factory.h"

namespace ravello::app {

CastPage::CastPage()
{
    setObjectName(QStringLiteral("Pag_Cast"));
    auto* grid = new QGridLayout(this);
    auto addColumn = [&](int column, const char* label, const char* list, const char* copy) {
        QListWidget* rows = makeList(this, list);
        grid->addWidget(captioned(this, label, rows), 1, column);
        auto* button = makeWidget<QPushButton>(this, copy);
        grid->addWidget(button, 2, column, Qt::AlignLeft);
        return std::pair{rows, button};
    };
    grid->addWidget(buildSeasonBar(), 0, 0, 1, 2);
    std::tie(m_castList, m_copyCast) = addColumn(0, "LBL_Cast", "LST_CastMDB", "Copy");
    std::tie(m_crewList, m_copyCrew) = addColumn(1, "LBL_Crew", "LST_CrewMDB", "Button1");
    auto* groups = new QWidget(this);
    auto* groupsLayout = new QHBoxLayout(groups);
    groupsLayout->addWidget(makeWidget<QLabel>(groups, "LBL_CastDesc"));
    auto addGroup = [&](const char* name) {
        auto* box = makeWidget<QCheckBox>(groups, name);
        box->setChecked(true);
        groupsLayout->addWidget(box);
        return box;
    };
    m_sound = addGroup("CBO_Sound");
    m_art = addGroup("CBO_Arte");
    m_photography = addGroup("CBO_Fotografia");
    m_other = addGroup("CBO_Altro");
    groupsLayout->addStretch(1);
    grid->addWidget(groups, 3, 0, 1, 2);
    // Beside the copy buttons, which it serves, so that it widens no row of the page.
    m_birthYears = makeWidget<QCheckBox>(this, "CHB_AnniNascita");
    grid->addWidget(m_birthYears, 2, 0, Qt::AlignRight);
    grid->setRowStretch(1, 1);
}

// The season shown, its range of episodes and how much of a series' crew its copy keeps, above
// the lists; hidden while a film is shown.
QWidget* CastPage::buildSeasonBar()
{
    m_seasonBar = makeHiddenWidget<QWidget>(this, "PAN_Stagione");
    auto* layout = new QHBoxLayout(m_seasonBar);
    layout->setContentsMargins(0, 0, 0, 0);
    m_seasonBox = makeWidget<QComboBox>(m_seasonBar, "CBB_Stagione");
    m_firstEpisode = makeWidget<QSpinBox>(m_seasonBar, "SPN_EpisodioDa");
    m_lastEpisode = makeWidget<QSpinBox>(m_seasonBar, "SPN_EpisodioA");
    const std::pair<const char*, QWidget*> fields[] = {{"LBL_Stagione", m_seasonBox},
                                                       {"LBL_EpisodioDa", m_firstEpisode},
                                                       {"LBL_EpisodioA", m_lastEpisode}};
    for (const auto& [label, field] : fields) {
        auto* caption = makeWidget<QLabel>(m_seasonBar, label);
        caption->setBuddy(field);
        layout->addWidget(caption);
        layout->addWidget(field);
    }
    m_episodeOrderBox = makeWidget<QComboBox>(m_seasonBar, "episodeOrderBox");
    auto* orderCaption = makeWidget<QLabel>(m_seasonBar, "LBL_OrdineEpisodi");
    orderCaption->setBuddy(m_episodeOrderBox);
    m_episodeOrderCaption = orderCaption;
    layout->insertWidget(2, orderCaption);
    layout->insertWidget(3, m_episodeOrderBox);
    // Beside the season it orders, in the keyboard's order too.
    setTabOrder(m_seasonBox, m_episodeOrderBox);
    setTabOrder(m_episodeOrderBox, m_firstEpisode);
    offerEpisodeOrders(false);
    // After the range's last episode, which Tab reaches just before them.
    m_continueSeason = makeHiddenWidget<QCheckBox>(m_seasonBar, "continueSeasonBox");
    m_continueEpisode = makeHiddenWidget<QSpinBox>(m_seasonBar, "continueEpisodeSpin");
    layout->addWidget(m_continueSeason);
    layout->addWidget(m_continueEpisode);
    m_fullCrew = makeWidget<QCheckBox>(m_seasonBar, "CHB_StaffCompleto");
    layout->addWidget(m_fullCrew);
    layout->addStretch(1);
    return m_seasonBar;
}

void CastPage::offerEpisodeOrders(bool offered)
{
    m_episodeOrderCaption->setVisible(offered);
    m_episodeOrderBox->setVisible(offered);
}

output::CrewGroups CastPage::crewGroups() const
{
    return {m_photography->isChecked(), m_sound->isChecked(), m_art->isChecked(),
            m_other->isChecked()};
}

} // namespace ravello::app
