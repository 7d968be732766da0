// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "core/output/crew_credit_mapping.h"

class QCheckBox;
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

private:
    QListWidget* m_castList = nullptr;
    QListWidget* m_crewList = nullptr;
    QPushButton* m_copyCast = nullptr;
    QPushButton* m_copyCrew = nullptr;
    QCheckBox* m_sound = nullptr;
    QCheckBox* m_art = nullptr;
    QCheckBox* m_photography = nullptr;
    QCheckBox* m_other = nullptr;
    QCheckBox* m_birthYears = nullptr;
};

} // namespace ravello::app
