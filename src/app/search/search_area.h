// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "core/collection/episode_proposer.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/result_ranking.h"
#include "core/tmdb/shown_film.h"
#include "core/tmdb/shown_season.h"

class QListWidget;

namespace ravello::collection {
struct KnownPerson;
class PeopleTable;
} // namespace ravello::collection

namespace ravello::tmdb {
class Fetcher;
class FilmCache;
struct FetchResult;
enum class OpeningStep;
class SeasonCache;
struct SeasonOpening;
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
        tmdb::SeasonCache& seasons;
        // The collection's people, whom the cast and crew lists mark.
        const collection::PeopleTable& people;
        // The episodes proposed for a disc profile (by its ID), asking season counts of
        // `counts` only where the proposal needs them.
        std::function<std::optional<collection::EpisodeProposal>(
            const std::string& profileId, const collection::SeasonEpisodeCounts& counts)>
            proposeEpisodes;
    };
    SearchArea(Controls controls, Services services, std::filesystem::path startupFolder,
               const SettingsArea& settings, const InterfaceLanguage& language,
               const WindowMessages& messages, TmdbWait& wait);

    // The film the pages show; its rows are what the lists paint and the copies read. While a
    // season is shown they are the season's rows, and shownSeason() tells which.
    const tmdb::ShownFilm& shownFilm() const { return m_shownFilm; }
    // The season the pages show; null while they show a film or nothing.
    const tmdb::ShownSeason* shownSeason() const
    {
        return m_showsSeason ? &m_shownSeason : nullptr;
    }
    // The profile ID of the disc whose season the pages show; null while they show no season
    // of a picked disc profile.
    const std::string* shownDisc() const { return m_shownDisc ? &*m_shownDisc : nullptr; }
    // The episodes proposed for that disc when its season was opened; null when none were.
    const collection::EpisodeProposal* shownProposal() const
    {
        return m_proposal ? &*m_proposal : nullptr;
    }
    // The four credit lists: cast, crew, cast photos, crew photos.
    std::array<QListWidget*, 4> creditLists() const;

    // Searches for the search box's text as BTN_Cerca does; the results best first, nothing
    // when the search failed (and was told) or was cancelled.
    std::optional<std::vector<tmdb::FoundFilm>> search();
    // Shows results found before, best first, as a search shows them: TV shows when `shows`.
    void showRanked(const std::vector<tmdb::FoundFilm>& ranked, bool shows);
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
    // The profile whose title was last written into the search box, and the season its title
    // names (-1: none), with its profile ID. The TV box follows it: ticked for a disc title,
    // unticked for any other. Another profile than the one picked before empties the pages of
    // what that one showed.
    void setPickedFilm(const ravello::tmdb::WantedFilm& profile, int season,
                       const std::string& profileId);
    void CBB_StagioneChange();
    void SPN_EpisodioChange();

private:
    void connectHandlers();
    void showNothing();
    // Turns the cast and crew copies on or off.
    void offerCopies(bool offered);
    tmdb::WantedFilm wantedFilm() const;
    void showResults(const std::vector<tmdb::FoundFilm>& ranked, const tmdb::WantedFilm& wanted);
    void tellOpeningFailures(const tmdb::FilmOpening& opening);
    void tellFailures(const std::vector<const tmdb::FetchResult*>& fetches,
                      tmdb::OpeningStep firstStep);
    bool showFilmOpening(const tmdb::FilmOpening& opening);
    void showFilmCover(const tmdb::FilmOpening& opening);
    void showDataFields(const tmdb::FilmDataPage& page);
    void fillCreditLists();
    bool openSeason(const std::string& resultLine, int seasonNumber);
    int seasonToOpen() const;
    std::optional<std::string> pickedDisc() const;
    void showProposedRange(const std::string& profileId);
    bool showSeasonOpening(const tmdb::SeasonOpening& opening);
    void tellSeasonFailures(const tmdb::SeasonOpening& opening);
    void showSeasonRows();
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
    std::optional<int> m_pickedSeason;
    std::string m_pickedProfileId;
    std::optional<std::string> m_shownDisc;
    std::optional<collection::EpisodeProposal> m_proposal;
    // The results are TV shows: opening one opens a season.
    bool m_resultsAreShows = false;
    tmdb::ShownSeason m_shownSeason;
    bool m_showsSeason = false;
    std::string m_shownShowLine; // the result line of the show shown, for its poster
};

} // namespace ravello::app
