// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ravello::app {

class HiddenSettingsPanel;

// The settings page of the files and of TMDb (CONF_PAG_FileArchivio): where DVD Profiler's export
// and database are, the import button, the language TMDb answers in and the user's TMDb key.
class ArchivePage : public QWidget
{
public:
    ArchivePage();

    QLineEdit* exportFileEdit() const { return m_exportFileEdit; } // EDT_NomeAppoggioDVDProfiler
    QPushButton* exportFileBrowse() const { return m_exportFileBrowse; } // BTN_Cerca1
    QLineEdit* dvdProfilerFolderEdit() const
    {
        return m_dvdProfilerFolderEdit;
    } // EDT_PathDatabaseDVDP
    QPushButton* dvdProfilerFolderBrowse() const { return m_dvdProfilerFolderBrowse; } // BTN_Cerca2
    QPushButton* importButton() const { return m_importButton; }          // BTN_Rielabora
    QComboBox* tmdbLanguageBox() const { return m_tmdbLanguageBox; }      // CBO_Linguaggio
    QLineEdit* keyEdit() const { return m_keyEdit; }                      // EDT_Key
    QCheckBox* prepareBox() const { return m_prepareBox; }                // CHB_PreparaProfili
    QPlainTextEdit* apiInstructions() const { return m_apiInstructions; } // MEM_API
    HiddenSettingsPanel* hidden() const { return m_hidden; }

private:
    int addLocationRows(QGridLayout* grid, int row);
    int addTmdbRows(QGridLayout* grid, int row);

    QLineEdit* m_exportFileEdit = nullptr;
    QPushButton* m_exportFileBrowse = nullptr;
    QLineEdit* m_dvdProfilerFolderEdit = nullptr;
    QPushButton* m_dvdProfilerFolderBrowse = nullptr;
    QPushButton* m_importButton = nullptr;
    QComboBox* m_tmdbLanguageBox = nullptr;
    QLineEdit* m_keyEdit = nullptr;
    QCheckBox* m_prepareBox = nullptr;
    QPlainTextEdit* m_apiInstructions = nullptr;
    HiddenSettingsPanel* m_hidden = nullptr;
};

} // namespace ravello::app
