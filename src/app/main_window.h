// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QMainWindow>

#include "app/birth_year_lookup.h"
#include "app/interface_texts.h"
#include "app/named_controls.h"
#include "core/files/program_folders.h"
#include "core/settings/settings.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/film_search.h"
#include "core/tmdb/result_ranking.h"
#include "core/tmdb/shown_film.h"

class QListWidget;
class QProgressBar;
class QTabWidget;
class TForm2;

namespace ravello::tmdb {
class Fetcher;
struct FilmOpening;
} // namespace ravello::tmdb

namespace ravello::output {
struct CrewDocument;
struct LoadedCrewMapping;
enum class PhotoList;
} // namespace ravello::output

namespace ravello::app {
class ArchivePage;
class TmdbWait;
class FilmPages;
class ProgramPage;
class SearchPanel;
class SettingsPages;
} // namespace ravello::app

namespace ravello::collection {
class TitleBrowser;
struct ListUpdate;
struct TitleChoice;
struct TitleView;
} // namespace ravello::collection

// The main window: the program page and the settings page, each building its own controls, and
// the state of a run, the film shown among it. Its slots are the handlers of the controls, named
// after the control and the event. The work itself is done by the core; the handlers show and
// forward.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // Builds the window, the program's folder tree below `userDataFolder`, and reads the
    // settings file there. TMDb is asked at `hosts`.
    explicit TForm1(const std::filesystem::path& userDataFolder, ravello::tmdb::Hosts hosts = {},
                    QWidget* parent = nullptr);
    ~TForm1() override;

    // The splash shown on the first show; without one the first show shows nothing.
    void setSplash(TForm2* splash) { m_splash = splash; }

    const ravello::files::ProgramFolders& folders() const { return m_folders; }
    int languageIndex() const { return m_languageIndex; }
    const QString& currentStyleName() const { return m_currentStyleName; }

    // Asks a yes-or-no question (text, title) and answers true for Yes. Tests replace it.
    using QuestionAsker = std::function<bool(const QString& text, const QString& title)>;
    void setQuestionAsker(QuestionAsker asker) { m_askQuestion = std::move(asker); }
    // Shows an error message (text, title), and in tests an informative one too. Tests replace
    // it.
    using ErrorShower = std::function<void(const QString& text, const QString& title)>;
    void setErrorShower(ErrorShower shower) { m_showError = std::move(shower); }

public slots:
    // Lifecycle.
    void FormShow();
    void FormActivate();
    void FormClose();
    void PagineChange();
    void Btn_EsciClick();

    // Interface languages.
    void BTN_ItalianoClick();
    void BTN_IngleseClick();
    void BTN_SpagnoloClick();
    void BTN_TedescoClick();
    void BTN_FranceseClick();

    // Visual styles.
    void CONF_PROG_LIS_Lista_StiliDblClick();

    // The user's collection: title browsing, locations and re-import.
    void EDT_CercaManualeChange();
    void BTN_AzzeraClick();
    void CBB_TitoliDVDPChange();
    void SPN_NumeroChange();
    void SPN_Numero1Change();
    void BTN_Cerca1Click();
    void BTN_Cerca2Click();
    void BTN_RielaboraClick();

    // TMDb: search and opening a film.
    void BTN_CercaClick();
    void ListaFilmTrovatiDblClick();

    // Handing data to DVD Profiler.
    void CopyClick();
    void Button1Click();
    void LST_CastMDB2DblClick();
    void LST_CrewMDB2DblClick();
    void BTN_CopiaPhotoClick();
    void BTN_CopiaPhoto2Click();
    void EDT_TitoloMDBClick(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The frame around the pages, and the wiring of the pages' controls to the handlers.
    void buildWindow();
    QWidget* buildMenuBar();
    void connectSettingsHandlers();

    // Settings.
    void loadSettings();
    void saveSettings();
    void applyStoredStyle(const std::string& name);
    void applyGeometry();

    // Interface texts.
    void applyCaptions();
    void setLanguage(int languageIndex);
    QString message(const char* key) const;

    // The user's collection.
    void connectCollectionHandlers();
    void runImport();
    void reloadTitleIndex();
    void askToImportChangedExport();
    void showTitleList(const ravello::collection::ListUpdate& update);
    void showTitleChoice(const ravello::collection::TitleChoice& choice);
    void showTitleView(const ravello::collection::TitleView& view);
    void writeSearchText(const std::string& text);
    QPixmap notFoundPicture() const;
    std::filesystem::path exportFile() const;

    // TMDb and the output to DVD Profiler.
    void connectFilmHandlers();
    void connectOutputHandlers();
    ravello::tmdb::Endpoint currentEndpoint() const;
    ravello::tmdb::WantedFilm wantedFilm() const;
    void showResults(const ravello::tmdb::SearchOutcome& outcome,
                     const ravello::tmdb::WantedFilm& wanted);
    // True when the user has given a TMDb key; otherwise says so, takes the user to the key
    // field and returns false.
    bool hasTmdbKey();
    void showFilmOpening(const ravello::tmdb::FilmOpening& opening);
    void showFilmCover(const ravello::tmdb::FilmOpening& opening);
    void showDataFields(const ravello::tmdb::FilmDataPage& page);
    // The four credit lists: cast, crew, cast photos, crew photos.
    std::array<QListWidget*, 4> creditLists() const;
    void fillCreditLists();
    void showPersonPhoto(bool crew);
    void copyPhoto(const QImage& photo);
    void showError(const QString& text, const QString& title);
    // Shows a message that tells, without an error's icon; the error shower stands in for it.
    void showInformation(const QString& text, const QString& title);
    // With no export or no key, the status bar says what to do on the Settings page.
    void showNextStep();
    // Shows a lasting line in the status bar, which screen readers read as its description.
    void setStatusText(const QString& text);
    // The crew mapping in effect (the user's file, or the built-in rules when it does not
    // read), and the status line that says why the file's rules are not in effect.
    void loadCrewMapping();
    void showCrewMappingProblem();
    // The birth years of the people of a photo list's rows when the box asks for them (no
    // years when not); nothing when the user cancelled the lookup.
    std::optional<ravello::app::BirthYearLookup::Years>
    birthYearsOf(ravello::output::PhotoList list, const std::vector<std::string>& photoRows);
    // The status line about people whose birth year could not be had; empty when none.
    QString missingYearsText(const ravello::app::BirthYearLookup::Years& found) const;
    void showCrewReport(const ravello::output::CrewDocument& document, const QString& missingYears);

    ravello::files::ProgramFolders m_folders;
    std::filesystem::path m_userDataFolder;
    std::filesystem::path m_startupFolder;
    ravello::app::MessageTable m_messages;
    ravello::settings::ExportStamp m_exportStamp;
    ravello::settings::WindowGeometry m_geometry;
    // The DVD Profiler folder as it was at start-up: image paths are built from it.
    QString m_dvdProfilerFolderAtStart;
    QString m_currentStyleName;
    int m_languageIndex = 0;
    bool m_firstShow = true;
    bool m_firstActivation = true;
    bool m_splashDone = false;
    // True while an import or a retrieval runs: the window repaints but takes no input.
    bool m_busy = false;
    TForm2* m_splash = nullptr;
    QuestionAsker m_askQuestion;
    ErrorShower m_showError;
    ravello::tmdb::Hosts m_hosts;
    std::unique_ptr<ravello::tmdb::Fetcher> m_fetcher;
    std::unique_ptr<ravello::collection::TitleBrowser> m_titleBrowser;
    // The film the pages show, and the result lines ListaFilmTrovati lists, row by row.
    ravello::tmdb::ShownFilm m_shownFilm;
    std::vector<std::string> m_resultLines;
    // The profile whose title was last written into the search box: a search for that text
    // ranks its results by the profile's titles and year.
    std::optional<ravello::tmdb::WantedFilm> m_pickedFilm;

    QTabWidget* m_pagine = nullptr;
    ravello::app::ProgramPage* m_programPage = nullptr;
    ravello::app::SettingsPages* m_settingsPages = nullptr;
    // The parts of the pages the handlers use most.
    ravello::app::SearchPanel* m_search = nullptr;
    ravello::app::FilmPages* m_filmPages = nullptr;
    ravello::app::ArchivePage* m_archive = nullptr;
    QProgressBar* m_importProgress = nullptr;
    // The status bar's side of a wait on TMDb: its status line and Cancel button.
    ravello::app::TmdbWait* m_wait = nullptr;
    std::unique_ptr<ravello::app::BirthYearLookup> m_birthYears;
    std::unique_ptr<ravello::output::LoadedCrewMapping> m_crewMapping;
    ravello::app::NamedControls m_namedControls;
};
