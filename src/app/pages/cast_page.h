// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "core/output/crew_credit_mapping.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QListWidget;
class QPushButton;

namespace ravello::app {

// The third film page (Pag_Cast): the cast and crew lists, each with its copy button, and the
// crew groups a copy includes in full.
class CastPage : public QWidget
{
public:
    CastPage();

    QListWidget* castList() const { return m_castList; } // LST_CastMDB
    QListWidget* crewList() const { return m_crewList; } // LST_CrewMDB
    QPushButton* copyCast() const { return m_copyCast; } // Copy
    QPushButton* copyCrew() const { return m_copyCrew; } // Button1
    // Whether the copies carry TMDb's birth years (CHB_AnniNascita); off by default.
    QCheckBox* birthYearsBox() const { return m_birthYears; }

    // The checked group boxes (CBO_Fotografia, CBO_Sound, CBO_Arte, CBO_Altro).
    output::CrewGroups crewGroups() const;
    // Whether a series' crew document keeps all the mapping keeps (CHB_StaffCompleto).
    QCheckBox* fullCrewBox() const { return m_fullCrew; }
    // The season bar (PAN_Stagione): the season (CBB_Stagione) and the first and last episode
    // (SPN_EpisodioDa, SPN_EpisodioA) the lists and documents cover.
    QWidget* seasonBar() const { return m_seasonBar; }
    QComboBox* seasonBox() const { return m_seasonBox; }
    QSpinBox* firstEpisode() const { return m_firstEpisode; }
    QSpinBox* lastEpisode() const { return m_lastEpisode; }
    // The order the show's seasons follow (episodeOrderBox): TMDb's seasons or one of the
    // show's DVD episode groups, each item's data the group's identifier (empty for TMDb's).
    // Shown with its caption only for a show that has DVD groups.
    QComboBox* episodeOrderBox() const { return m_episodeOrderBox; }
    void offerEpisodeOrders(bool offered);
    // Whether the range goes on into the next season (continueSeasonBox), and up to which of
    // its episodes (continueEpisodeSpin); shown while the season shown has a next one.
    QCheckBox* continueSeasonBox() const { return m_continueSeason; }
    QSpinBox* continueEpisode() const { return m_continueEpisode; }

private:
    QWidget* buildSeasonBar();

    QListWidget* m_castList = nullptr;
    QListWidget* m_crewList = nullptr;
    QPushButton* m_copyCast = nullptr;
    QPushButton* m_copyCrew = nullptr;
    QCheckBox* m_sound = nullptr;
    QCheckBox* m_art = nullptr;
    QCheckBox* m_photography = nullptr;
    QCheckBox* m_other = nullptr;
    QCheckBox* m_birthYears = nullptr;
    QCheckBox* m_fullCrew = nullptr;
    QWidget* m_seasonBar = nullptr;
    QComboBox* m_seasonBox = nullptr;
    QSpinBox* m_firstEpisode = nullptr;
    QSpinBox* m_lastEpisode = nullptr;
    QWidget* m_episodeOrderCaption = nullptr;
    QComboBox* m_episodeOrderBox = nullptr;
    QCheckBox* m_continueSeason = nullptr;
    QSpinBox* m_continueEpisode = nullptr;
};

} // namespace ravello::app
