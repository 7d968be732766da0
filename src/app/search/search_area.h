// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "core/tmdb/result_line.h"
#include "core/tmdb/result_ranking.h"
#include "core/tmdb/shown_film.h"

class QListWidget;

namespace ravello::collection {
struct KnownPerson;
class PeopleTable;
} // namespace ravello::collection

namespace ravello::tmdb {
class Fetcher;
class FilmCache;
struct FilmOpening;
struct SearchOutcome;
struct FilmDataPage;
class Endpoint;
} // namespace ravello::tmdb

namespace ravello::app {

class FilmPages;
class InterfaceLanguage;
class SearchPanel;
class SettingsArea;
class TmdbWait;
class WindowMessages;

// TMDb's side of the window: the film search with its results, best first, and the opening of a
// film into the pages, one film at a time, while the wait offers its way out. It holds the film
// the pages show, which the other areas read.
class SearchArea : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        SearchPanel& search;
        QListWidget& results; // ListaFilmTrovati
        FilmPages& film;
    };
    struct Services
    {
        const tmdb::Endpoint& endpoint;
        tmdb::Fetcher& fetcher;
        tmdb::FilmCache& films;
        // The collection's people, whom the cast and crew lists mark.
        const collection::PeopleTable& people;
    };
    SearchArea(Controls controls, Services services, std::filesystem::path startupFolder,
               const SettingsArea& settings, const InterfaceLanguage& language,
               const WindowMessages& messages, TmdbWait& wait);

    // The film the pages show; its rows are what the lists paint and the copies read.
    const tmdb::ShownFilm& shownFilm() const { return m_shownFilm; }
    // The four credit lists: cast, crew, cast photos, crew photos.
    std::array<QListWidget*, 4> creditLists() const;

    // Searches for the search box's text as BTN_Cerca does; the results best first, nothing
    // when the search failed (and was told) or was cancelled.
    std::optional<std::vector<tmdb::FoundFilm>> search();
    // Shows results found before, best first, as a search shows them.
    void showRanked(const std::vector<tmdb::FoundFilm>& ranked);
    bool hasResults() const { return !m_results.empty(); }
    // True when the first of the results shown is surely the picked profile's film.
    bool bestIsCertain() const;
    // Opens the film of the results' row as a double-click does; true when the pages show it.
    bool openRow(int row);
    // Marks the cast and crew rows of the people the collection knows, each with a tooltip in
    // the interface language; again after an import or a change of language.
    void markKnownPeople();

public slots:
    void BTN_CercaClick();
    void ListaFilmTrovatiDblClick();
    // The profile whose title was last written into the search box.
    void setPickedFilm(const ravello::tmdb::WantedFilm& profile);

private:
    void connectHandlers();
    tmdb::WantedFilm wantedFilm() const;
    void showResults(const std::vector<tmdb::FoundFilm>& ranked, const tmdb::WantedFilm& wanted);
    void tellOpeningFailures(const tmdb::FilmOpening& opening);
    bool showFilmOpening(const tmdb::FilmOpening& opening);
    void showFilmCover(const tmdb::FilmOpening& opening);
    void showDataFields(const tmdb::FilmDataPage& page);
    void fillCreditLists();
    QString knownPersonText(const collection::KnownPerson& person) const;

    Controls m_controls;
    Services m_services;
    std::filesystem::path m_startupFolder;
    const SettingsArea& m_settings;
    const InterfaceLanguage& m_language;
    const WindowMessages& m_messages;
    TmdbWait& m_wait;
    tmdb::ShownFilm m_shownFilm;
    // The results ListaFilmTrovati lists, row by row, and what they were ranked for.
    std::vector<tmdb::FoundFilm> m_results;
    tmdb::WantedFilm m_rankedFor;
    std::optional<tmdb::WantedFilm> m_pickedFilm;
};

} // namespace ravello::app
