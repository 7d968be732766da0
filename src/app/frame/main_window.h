// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QMainWindow>

#include "app/pages/named_controls.h"
#include "app/services/window_messages.h"
#include "app/texts/interface_language.h"
#include "core/settings/settings.h"

class QProgressBar;
class QTabWidget;
class TForm2;

namespace ravello::files {
class ProgramFolders;
} // namespace ravello::files

namespace ravello::app {
class CollectionArea;
class HandoverArea;
class ProfilePreparer;
class ProfileRoad;
class ProgramPage;
class SearchArea;
class SettingsArea;
class SettingsPages;
class TmdbWait;
struct WindowServices;
} // namespace ravello::app

// The main window: the frame around the program page and the settings page, the lifecycle of a
// run (show, activate, close, Exit) and the wiring between the window's areas, which handle the
// controls: the collection, TMDb's search and opening, the hand-over to DVD Profiler and the
// settings. The services it works with are made by the entry point and handed in.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window on `services`, which must outlive it.
    explicit TForm1(ravello::app::WindowServices& services, QWidget* parent = nullptr);
    ~TForm1() override;

    // The splash shown on the first show; without one the first show shows nothing.
    void setSplash(TForm2* splash) { m_splash = splash; }

    const ravello::files::ProgramFolders& folders() const;
    int languageIndex() const { return m_language.index(); }
    const QString& currentStyleName() const;

    // The boxes the window shows; tests replace them.
    void setQuestionAsker(ravello::app::WindowMessages::QuestionAsker asker);
    void setErrorShower(ravello::app::WindowMessages::MessageShower shower);
    void setInformationShower(ravello::app::WindowMessages::MessageShower shower);

    ravello::app::CollectionArea& collectionArea() const { return *m_collection; }
    ravello::app::SearchArea& searchArea() const { return *m_search; }
    ravello::app::HandoverArea& handoverArea() const { return *m_handover; }
    ravello::app::SettingsArea& settingsArea() const { return *m_settings; }

public slots:
    void FormShow();
    void FormActivate();
    void FormClose();
    void PagineChange();
    void Btn_EsciClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    QWidget* buildMenuBar();
    void makeAreas();
    void wireAreas();
    void showDataFolder();
    void applyCaptions();
    void applyGeometry();
    void saveSettings() const;

    ravello::app::WindowServices& m_services;
    ravello::app::InterfaceLanguage m_language;
    ravello::settings::WindowGeometry m_geometry;
    bool m_firstShow = true;
    bool m_firstActivation = true;
    bool m_splashDone = false;
    // True while an import or a retrieval runs: the window repaints but takes no input.
    bool m_busy = false;
    TForm2* m_splash = nullptr;

    QTabWidget* m_pagine = nullptr;
    ravello::app::ProgramPage* m_programPage = nullptr;
    ravello::app::SettingsPages* m_settingsPages = nullptr;
    QProgressBar* m_importProgress = nullptr;
    // The status bar's side of a wait on TMDb: its status line and Cancel button.
    ravello::app::TmdbWait* m_wait = nullptr;
    std::unique_ptr<ravello::app::WindowMessages> m_messages;
    ravello::app::NamedControls m_namedControls;

    // The areas live as long as the window, as children of their pages.
    ravello::app::SettingsArea* m_settings = nullptr;
    ravello::app::CollectionArea* m_collection = nullptr;
    ravello::app::SearchArea* m_search = nullptr;
    ravello::app::HandoverArea* m_handover = nullptr;
    ravello::app::ProfilePreparer* m_preparer = nullptr;
    ravello::app::ProfileRoad* m_road = nullptr;
};
