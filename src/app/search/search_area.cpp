// SPDX-License-Identifier: MIT
#include "app/search/search_area.h"

#include <algorithm>
#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "app/look/credit_list_delegate.h"
#include "app/pages/cast_page.h"
#include "app/pages/cover_page.h"
#include "app/pages/data_page.h"
#include "app/pages/film_pages.h"
#include "app/pages/not_found_picture.h"
#include "app/pages/photo_page.h"
#include "app/pages/row_activation.h"
#include "app/pages/search_panel.h"
#include "app/search/disc_episodes.h"
#include "app/search/season_display.h"
#include "app/services/tmdb_wait.h"
#include "app/services/window_messages.h"
#include "app/settings/settings_area.h"
#include "app/texts/fetch_failure_text.h"
#include "app/texts/interface_language.h"
#include "app/texts/text_conversion.h"
#include "core/collection/people_table.h"
#include "core/files/path_text.h"
#include "core/output/credit_line_text.h"
#include "core/tmdb/credit_rows.h"
#include "core/tmdb/episode_orders.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/film_search.h"
#include "core/tmdb/grouped_season_opening.h"
#include "core/tmdb/match_certainty.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/season_cache.h"
#include "core/tmdb/season_lists.h"
#include "core/tmdb/show_search.h"

namespace ravello::app {
namespace {

constexpr int kResultItemHeight = 32;

// Each credit list with the film's rows it shows, in the order of creditLists().
struct CreditListRows
{
    output::CreditList kind;
    std::vector<std::string> tmdb::CreditLists::*rows;
};
constexpr CreditListRows kCreditListRows[] = {
    {output::CreditList::Cast, &tmdb::CreditLists::cast},
    {output::CreditList::Crew, &tmdb::CreditLists::crew},
    {output::CreditList::CastPhoto, &tmdb::CreditLists::castPhoto},
    {output::CreditList::CrewPhoto, &tmdb::CreditLists::crewPhoto},
};

// Tahoma at 21 pixels, or a close sans-serif where it is missing.
QFont resultFont()
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(21);
    return font;
}

} // namespace

SearchArea::SearchArea(Controls controls, Services services, std::filesystem::path startupFolder,
                       const SettingsArea& settings, const InterfaceLanguage& language,
                       const WindowMessages& messages, TmdbWait& wait)
    : QObject(&controls.results), m_controls(controls), m_services(services),
      m_startupFolder(std::move(startupFolder)), m_settings(settings), m_language(language),
      m_messages(messages), m_wait(wait)
{
    setObjectName(QStringLiteral("SearchArea"));
    connectHandlers();
    offerCopies(false);
}

void SearchArea::connectHandlers()
{
    m_controls.results.setFont(resultFont());
    RowActivation::attach(&m_controls.results, [this] { ListaFilmTrovatiDblClick(); });
    connect(m_controls.search.searchButton(), &QPushButton::clicked, this,
            &SearchArea::BTN_CercaClick);
    // Enter in the search text searches, as the button does.
    connect(m_controls.search.searchEdit(), &QLineEdit::returnPressed, this,
            &SearchArea::BTN_CercaClick);
    const CastPage& cast = *m_controls.film.cast();
    connect(cast.seasonBox(), &QComboBox::activated, this, &SearchArea::CBB_StagioneChange);
    for (QSpinBox* episode : {cast.firstEpisode(), cast.lastEpisode()})
        connect(episode, &QSpinBox::valueChanged, this, &SearchArea::SPN_EpisodioChange);
    connect(cast.episodeOrderBox(), &QComboBox::activated, this,
            &SearchArea::episodeOrderBoxChange);
    connect(cast.continueSeasonBox(), &QCheckBox::toggled, this,
            &SearchArea::continueSeasonBoxToggled);
    connect(cast.continueEpisode(), &QSpinBox::valueChanged, this,
            &SearchArea::continueEpisodeSpinChanged);
    const QPixmap marker = m_controls.film.photoMarker();
    const std::array<QListWidget*, 4> lists = creditLists();
    for (std::size_t index = 0; index < lists.size(); ++index) {
        const CreditListRows& part = kCreditListRows[index];
        lists[index]->setItemDelegate(new CreditListDelegate(
            part.kind, m_shownFilm.credits.*part.rows, marker, lists[index]));
        lists[index]->setFont(CreditListDelegate::rowFont());
        // Each row is measured: one sample row's width would cut the longer ones.
        lists[index]->setUniformItemSizes(false);
    }
}

std::array<QListWidget*, 4> SearchArea::creditLists() const
{
    const CastPage& cast = *m_controls.film.cast();
    return {cast.castList(), cast.crewList(), m_controls.film.castPhotos()->list(),
            m_controls.film.crewPhotos()->list()};
}

void SearchArea::setPickedFilm(const tmdb::WantedFilm& profile, int season,
                               const std::string& profileId)
{
    const std::optional<int> pickedSeason = season < 0 ? std::nullopt : std::optional<int>(season);
    const bool sameProfile =
        m_pickedFilm && *m_pickedFilm == profile && m_pickedSeason == pickedSeason;
    m_pickedFilm = profile;
    m_pickedSeason = pickedSeason;
    m_pickedProfileId = profileId;
    // A disc title's show is searched among TV shows, any other title among films.
    m_controls.search.seriesBox()->setChecked(pickedSeason.has_value());
    // The film or season shown belongs to the profile picked before: the new profile's copies
    // must not hand it over. The same profile picked again (or another disc of the same
    // season) keeps it.
    if (!sameProfile)
        showNothing();
}

// The pages show no film: no data, no lists, no results, and the copies are off until a film
// or a season is opened.
void SearchArea::showNothing()
{
    m_shownFilm = {};
    m_shownSeason = {};
    m_showsSeason = false;
    m_continued.reset();
    m_shownShowLine.clear();
    m_shownDisc.reset();
    m_proposal.reset();
    m_results.clear();
    m_controls.results.clear();
    m_controls.film.cast()->seasonBar()->setVisible(false);
    m_controls.film.cover()->tmdbCover()->clear();
    m_controls.film.data()->tmdb().cover->clear();
    showDataFields(m_shownFilm.dataPage);
    fillCreditLists();
    m_controls.film.castPhotos()->clearPhoto();
    m_controls.film.crewPhotos()->clearPhoto();
    offerCopies(false);
}

void SearchArea::offerCopies(bool offered)
{
    const CastPage& cast = *m_controls.film.cast();
    // A button switched off while it has the focus passes it on to the next control, which
    // the key meant for the copy would then press: the results take it instead.
    const QWidget* focused = m_controls.results.window()->focusWidget();
    if (!offered && (focused == cast.copyCast() || focused == cast.copyCrew()))
        m_controls.results.setFocus(Qt::OtherFocusReason);
    cast.copyCast()->setEnabled(offered);
    cast.copyCrew()->setEnabled(offered);
}

void SearchArea::BTN_CercaClick()
{
    search();
}

std::optional<std::vector<tmdb::FoundFilm>> SearchArea::search()
{
    if (!m_settings.requireKey())
        return std::nullopt;
    const bool showsWanted = m_controls.search.seriesBox()->isChecked();
    tmdb::SearchOutcome outcome;
    {
        const TmdbWait::Scope wait(m_wait);
        const std::string text = m_controls.search.searchEdit()->text().toStdString();
        outcome = showsWanted ? tmdb::searchShows(m_services.endpoint, m_services.fetcher, text)
                              : tmdb::searchFilms(m_services.endpoint, m_services.fetcher, text);
    }
    // A cancelled search leaves the results as they were.
    if (outcome.fetch.problem == tmdb::FetchProblem::Cancelled)
        return std::nullopt;
    if (!outcome.fetch.ok()) {
        // No old results stay under the new search text.
        m_controls.results.clear();
        m_results.clear();
        m_messages.setStatusText(m_language.text("MSG_RicercaFallita"));
        m_messages.showError(
            fetchFailureText(outcome.fetch, m_language.table(), m_language.index()),
            m_language.text("MSG_Errore"));
        return std::nullopt;
    }
    // The line of an earlier failed search does not stay over these results.
    m_messages.setStatusText({});
    m_resultsAreShows = showsWanted;
    const tmdb::WantedFilm wanted = wantedFilm();
    std::vector<tmdb::FoundFilm> ranked = tmdb::rankFoundFilms(std::move(outcome.films), wanted);
    showResults(ranked, wanted);
    return ranked;
}

void SearchArea::showRanked(const std::vector<tmdb::FoundFilm>& ranked, bool shows)
{
    m_resultsAreShows = shows;
    showResults(ranked, wantedFilm());
}

bool SearchArea::bestIsCertain() const
{
    return tmdb::isCertainMatch(m_results, m_rankedFor,
                                m_resultsAreShows ? tmdb::MatchKind::Series
                                                  : tmdb::MatchKind::Film);
}

tmdb::WantedFilm SearchArea::wantedFilm() const
{
    const std::string typed = toWindows1252(m_controls.search.searchEdit()->text());
    if (m_pickedFilm && m_pickedFilm->title == typed)
        return *m_pickedFilm;
    return {typed, {}, 0};
}

// The results best first; the first is selected, so that Enter opens it, and marked when its
// title is the one searched for.
void SearchArea::showResults(const std::vector<tmdb::FoundFilm>& ranked,
                             const tmdb::WantedFilm& wanted)
{
    QListWidget& results = m_controls.results;
    results.clear();
    m_results = ranked;
    m_rankedFor = wanted;
    for (const tmdb::FoundFilm& film : ranked) {
        auto* item = new QListWidgetItem(fromWindows1252(tmdb::shownResultText(film.line)));
        item->setSizeHint(QSize(0, kResultItemHeight));
        // The item carries its own font: a style sheet's repolish on a style change gives the
        // list back the font it had when first polished.
        QFont font = resultFont();
        const bool match = results.count() == 0 && tmdb::hasWantedTitle(film, wanted);
        font.setBold(match);
        item->setFont(font);
        if (match)
            item->setToolTip(m_language.text("MSG_FilmCorrispondente"));
        results.addItem(item);
    }
    // The first result is selected and the list takes the focus, so that Enter opens it.
    if (results.count() > 0) {
        results.setCurrentRow(0);
        results.setFocus(Qt::OtherFocusReason);
    }
}

void SearchArea::ListaFilmTrovatiDblClick()
{
    openRow(m_controls.results.currentRow());
}

bool SearchArea::openRow(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= m_results.size())
        return false;
    if (!m_settings.requireKey())
        return false;
    const std::string& line = m_results[static_cast<std::size_t>(row)].line;
    if (m_resultsAreShows) {
        if (!openSeason(line, seasonToOpen()))
            return false;
        m_shownDisc = pickedDisc();
        m_proposal.reset();
        if (m_shownDisc && m_shownSeason.content.season.number == m_pickedSeason)
            showProposedRange(*m_shownDisc);
        return true;
    }
    tmdb::FilmOpening opening;
    {
        const TmdbWait::Scope wait(m_wait);
        opening = m_services.films.open(line);
    }
    // A cancelled opening changes nothing: the film shown stays whole, and no box is needed.
    if (opening.wasCancelled())
        return false;
    const bool shown = showFilmOpening(opening);
    tellOpeningFailures(opening);
    return shown;
}

void SearchArea::tellOpeningFailures(const tmdb::FilmOpening& opening)
{
    std::vector<const tmdb::FetchResult*> fetches;
    for (const tmdb::OpeningFailure& failure : opening.failures)
        fetches.push_back(&failure.fetch);
    if (!fetches.empty())
        tellFailures(fetches, opening.failures.front().step);
}

// The steps are independent, so each failure is told; one box says them all, titled after the
// first.
void SearchArea::tellFailures(const std::vector<const tmdb::FetchResult*>& fetches,
                              tmdb::OpeningStep firstStep)
{
    QStringList failures;
    for (const tmdb::FetchResult* fetch : fetches) {
        const QString text = fetchFailureText(*fetch, m_language.table(), m_language.index());
        if (!failures.contains(text))
            failures << text;
    }
    m_messages.showError(failures.join(QStringLiteral("\n\n")),
                         openingFailureTitle(firstStep, m_language.table(), m_language.index()));
}

bool SearchArea::showFilmOpening(const tmdb::FilmOpening& opening)
{
    // An opening that failed at its details or credits changes no page: the pages and the copy
    // buttons go on with the film they had, whole.
    if (!m_shownFilm.take(opening))
        return false;
    m_showsSeason = false;
    m_continued.reset();
    m_shownDisc.reset();
    m_proposal.reset();
    m_controls.film.cast()->seasonBar()->setVisible(false);
    showFilmCover(opening);
    showDataFields(m_shownFilm.dataPage);
    fillCreditLists();
    m_controls.film.castPhotos()->clearPhoto();
    m_controls.film.crewPhotos()->clearPhoto();
    offerCopies(true);
    return true;
}

void SearchArea::showDataFields(const tmdb::FilmDataPage& page)
{
    const FilmFields& fields = m_controls.film.data()->tmdb();
    fields.id->setText(QString::fromStdString(page.filmId));
    const std::pair<QLineEdit*, const std::optional<std::string>*> edits[] = {
        {fields.title, &page.title},
        {fields.originalTitle, &page.originalTitle},
        {fields.year, &page.year},
        {fields.runningTime, &page.runningTime}};
    // Every field is the shown film's: one its document lacks is emptied.
    for (const auto& [edit, value] : edits)
        edit->setText(fromWindows1252(value->value_or("")));
    fields.overview->setPlainText(fromWindows1252(page.overview.value_or("")));
    const QString note = page.overviewInEnglish ? m_language.text("MSG_SinossiInglese") : QString();
    fields.overview->setToolTip(note);
    fields.overview->setAccessibleDescription(note);
}

void SearchArea::showFilmCover(const tmdb::FilmOpening& opening)
{
    QPixmap cover;
    if (opening.coverFile) {
        cover.load(QString::fromStdString(files::utf8FromPath(*opening.coverFile)));
        // A cover that is no picture is fetched again at the next opening.
        if (cover.isNull())
            m_services.films.forgetCover(opening.filmId);
    }
    if (cover.isNull())
        cover = notFoundPicture(m_startupFolder);
    showPicture(m_controls.film.cover()->tmdbCover(), cover);
    showPicture(m_controls.film.data()->tmdb().cover, cover);
}

// The season a picked disc names while its show is searched for; else the first.
int SearchArea::seasonToOpen() const
{
    const std::string typed = toWindows1252(m_controls.search.searchEdit()->text());
    const bool picked = m_pickedFilm && m_pickedFilm->title == typed;
    return picked ? m_pickedSeason.value_or(1) : 1;
}

// The picked profile's ID while its disc title's show is searched for.
std::optional<std::string> SearchArea::pickedDisc() const
{
    const std::string typed = toWindows1252(m_controls.search.searchEdit()->text());
    if (!m_pickedFilm || m_pickedFilm->title != typed || !m_pickedSeason)
        return std::nullopt;
    return m_pickedProfileId;
}

// The disc's proposed episodes become the range shown (the part of them in the season
// opened), and the status line says where they came from; the user may change the range.
void SearchArea::showProposedRange(const std::string& profileId)
{
    if (!m_services.proposeEpisodes)
        return;
    const bool grouped =
        tmdb::chosenEpisodeGroup(m_services.episodeOrdersFile, m_shownSeason.content.show.id)
            .has_value();
    OpenedShowEpisodeCounts counts(m_services.seasons, m_wait, m_shownSeason.content, grouped);
    m_proposal = m_services.proposeEpisodes(
        profileId, [&counts](int season) { return counts.episodes(season); });
    if (!m_proposal)
        return;
    const int season = m_shownSeason.content.season.number;
    const ProposedRange proposed = proposedRangeIn(*m_proposal, m_shownSeason.content);
    if (proposed.range && m_shownSeason.showRange(*proposed.range))
        showSeasonRows();
    // A disc that runs on into the next season hands over its episodes there too.
    const bool intoNext = proposed.range && m_proposal->first.season == season &&
                          m_proposal->last.season == season + 1 &&
                          continueInto(m_proposal->last.episode);
    if (intoNext)
        showSeasonRows();
    const ProposalReach reach = intoNext                ? ProposalReach::IntoNextSeason
                                : proposed.otherSeasons ? ProposalReach::OpenedSeasonOnly
                                                        : ProposalReach::Whole;
    m_messages.setStatusText(proposalText(*m_proposal, reach, season, m_language));
}

// The season in the order kept for its show: TMDb's seasons, or a DVD group's. The show's DVD
// groups are asked for within the same wait, for the order chooser.
bool SearchArea::openSeason(const std::string& resultLine, int seasonNumber)
{
    const tmdb::ResultLine line = tmdb::readResultLine(resultLine);
    const auto group = tmdb::chosenEpisodeGroup(m_services.episodeOrdersFile, line.filmId);
    tmdb::SeasonOpening opening;
    std::vector<tmdb::EpisodeGroupEntry> groups;
    {
        const TmdbWait::Scope wait(m_wait);
        opening = group ? tmdb::openGroupedSeason(m_services.seasons, m_services.episodeGroups,
                                                  line.filmId, *group, seasonNumber, line.posterUrl)
                        : m_services.seasons.open(resultLine, seasonNumber);
        if (opening.content && !opening.wasCancelled())
            groups = m_services.episodeGroups.dvdGroups(line.filmId).value.value_or(groups);
    }
    if (opening.wasCancelled())
        return false;
    if (group && !opening.content && opening.failures.empty()) // a DVD group without episodes
        m_messages.setStatusText(m_language.text("MSG_OrdineSenzaEpisodi"));
    const bool shown = showSeasonOpening(opening);
    if (shown) {
        m_shownShowLine = resultLine;
        showEpisodeOrders(*m_controls.film.cast(), groups, group, m_language);
    }
    tellSeasonFailures(opening);
    return shown;
}

// A season is shown whole or not at all, as a film is.
bool SearchArea::showSeasonOpening(const tmdb::SeasonOpening& opening)
{
    if (!m_shownSeason.take(opening))
        return false;
    m_showsSeason = true;
    m_continued.reset();
    m_shownFilm = {};
    m_shownFilm.dataPage.filmId = std::to_string(opening.showId);
    QPixmap cover;
    if (opening.coverFile &&
        !cover.load(QString::fromStdString(files::utf8FromPath(*opening.coverFile))))
        m_services.seasons.forgetCover(opening);
    if (cover.isNull())
        cover = notFoundPicture(m_startupFolder);
    showPicture(m_controls.film.cover()->tmdbCover(), cover);
    showPicture(m_controls.film.data()->tmdb().cover, cover);
    showSeasonData(m_controls.film.data()->tmdb(), m_shownSeason.content, m_language);
    showSeasonRows();
    m_controls.film.castPhotos()->clearPhoto();
    m_controls.film.crewPhotos()->clearPhoto();
    offerCopies(true);
    return true;
}

void SearchArea::showSeasonRows()
{
    if (m_continued) {
        // The lists go on with the next season's episodes (and its people), as the copies do.
        const std::array<tmdb::SeasonPart, 2> parts{
            tmdb::SeasonPart{m_shownSeason.content, m_shownSeason.range},
            tmdb::SeasonPart{m_continued->content, m_continued->range}};
        m_shownFilm.credits = tmdb::seasonCreditLists(parts);
    } else {
        m_shownFilm.credits = m_shownSeason.credits;
    }
    fillCreditLists();
    showSeasonTexts();
}

void SearchArea::showSeasonTexts()
{
    if (!m_showsSeason)
        return;
    CastPage& page = *m_controls.film.cast();
    showSeasonBar(page, m_shownSeason.content, m_shownSeason.range, m_language);
    showContinuation(page, m_shownSeason.content, continuedSeason(), m_language);
}

bool SearchArea::continueInto(int lastEpisode)
{
    const std::optional<int> next = nextSeasonOf(m_shownSeason.content);
    const auto whole = m_shownSeason.content.wholeSeason();
    if (!next || !whole)
        return false;
    std::optional<tmdb::ShowSeason> content = openNextSeason(*next);
    const auto nextWhole = content ? content->wholeSeason() : std::nullopt;
    if (!nextWhole)
        return false;
    const int last = std::clamp(lastEpisode, nextWhole->first, nextWhole->last);
    m_continued = ContinuedSeason{std::move(*content), {nextWhole->first, last}};
    m_shownSeason.showRange({m_shownSeason.range.first, whole->last});
    return true;
}

// The next season as the documents need it, in the show's kept order: from the cache, else from
// TMDb within the wait.
std::optional<tmdb::ShowSeason> SearchArea::openNextSeason(int number)
{
    const std::int32_t show = m_shownSeason.content.show.id;
    const auto group = tmdb::chosenEpisodeGroup(m_services.episodeOrdersFile, show);
    if (!group) {
        if (auto cached = m_services.seasons.cachedSeason(show, number))
            return cached;
    }
    tmdb::SeasonOpening opening;
    {
        const TmdbWait::Scope wait(m_wait);
        opening = group ? tmdb::openGroupedSeason(m_services.seasons, m_services.episodeGroups,
                                                  show, *group, number, std::nullopt)
                        : m_services.seasons.openCredits(show, number);
    }
    if (!opening.content && !opening.wasCancelled())
        tellSeasonFailures(opening);
    if (opening.content && opening.content->season.number != number)
        return std::nullopt; // the order has no such season
    return std::move(opening.content);
}

void SearchArea::showHandedOverRange()
{
    const int season = m_shownSeason.content.season.number;
    const collection::EpisodeCode first{season, m_shownSeason.range.first};
    const collection::EpisodeCode last =
        m_continued
            ? collection::EpisodeCode{m_continued->content.season.number, m_continued->range.last}
            : collection::EpisodeCode{season, m_shownSeason.range.last};
    m_messages.setStatusText(m_language.text("MSG_EpisodiConsegnati")
                                 .arg(QString::fromStdString(collection::episodeCodeText(first)),
                                      QString::fromStdString(collection::episodeCodeText(last))));
}

// The user lets the range go on into the next season, or keeps it to the season shown.
void SearchArea::continueSeasonBoxToggled(bool checked)
{
    if (!m_showsSeason)
        return;
    if (!checked)
        m_continued.reset();
    else
        continueInto(m_controls.film.cast()->continueEpisode()->value());
    // The box shows what came of it: unticked again when the next season could not be had.
    showSeasonRows();
    showHandedOverRange();
}

void SearchArea::continueEpisodeSpinChanged()
{
    if (!m_showsSeason || !m_continued)
        return;
    m_continued->range.last = m_controls.film.cast()->continueEpisode()->value();
    showSeasonRows();
    showHandedOverRange();
}

void SearchArea::tellSeasonFailures(const tmdb::SeasonOpening& opening)
{
    std::vector<const tmdb::FetchResult*> fetches;
    for (const tmdb::SeasonFailure& failure : opening.failures)
        fetches.push_back(&failure.fetch);
    if (fetches.empty())
        return;
    const bool cover = opening.failures.front().step == tmdb::SeasonStep::Cover;
    tellFailures(fetches, cover ? tmdb::OpeningStep::Cover : tmdb::OpeningStep::Details);
}

// Another season of the show shown: opened as the first was, the range its whole season.
void SearchArea::CBB_StagioneChange()
{
    const QVariant season = m_controls.film.cast()->seasonBox()->currentData();
    if (!m_showsSeason || !season.isValid() ||
        season.toInt() == m_shownSeason.content.season.number)
        return;
    // A failed or cancelled opening leaves the season shown, and the bar names it again.
    if (!openSeason(m_shownShowLine, season.toInt()))
        showSeasonTexts();
    else
        m_proposal.reset(); // the whole season is shown, not the disc's proposal
}

void SearchArea::episodeOrderBoxChange()
{
    QComboBox* orders = m_controls.film.cast()->episodeOrderBox();
    const std::string wanted = orders->currentData().toString().toStdString();
    const std::optional<std::string> chosen = wanted.empty() ? std::nullopt : std::optional(wanted);
    const std::int32_t showId = m_shownSeason.content.show.id;
    const auto before = tmdb::chosenEpisodeGroup(m_services.episodeOrdersFile, showId);
    if (!m_showsSeason || chosen == before)
        return;
    if (tmdb::keepEpisodeGroup(m_services.episodeOrdersFile, showId, chosen)) {
        if (openSeason(m_shownShowLine, 1)) {
            m_proposal.reset(); // a season of the new order, not the disc's proposal
            return;
        }
        // A failed or cancelled opening leaves the season shown, in the order it is shown in.
        tmdb::keepEpisodeGroup(m_services.episodeOrdersFile, showId, before);
    } else {
        m_messages.showError(
            m_language.text("MSG_OrdineNonSalvato")
                .arg(QString::fromStdString(files::utf8FromPath(m_services.episodeOrdersFile))),
            m_language.text("MSG_Titolo"));
    }
    const QSignalBlocker quiet(orders);
    orders->setCurrentIndex(
        std::max(0, orders->findData(QString::fromStdString(before.value_or("")))));
}

// Another range of the season shown: the lists are made again without a request.
void SearchArea::SPN_EpisodioChange()
{
    if (!m_showsSeason)
        return;
    const CastPage& page = *m_controls.film.cast();
    const tmdb::EpisodeRange range{page.firstEpisode()->value(), page.lastEpisode()->value()};
    if (range.last < range.first || !m_shownSeason.showRange(range)) {
        showSeasonTexts();
        return;
    }
    showSeasonRows();
}

void SearchArea::fillCreditLists()
{
    const std::array<QListWidget*, 4> lists = creditLists();
    for (std::size_t index = 0; index < lists.size(); ++index) {
        const CreditListRows& part = kCreditListRows[index];
        lists[index]->clear();
        // An item's text is what its row shows, for the screen reader; the painting and the
        // documents read the film's rows.
        for (const std::string& row : m_shownFilm.credits.*part.rows)
            lists[index]->addItem(fromWindows1252(output::paintCreditRow(part.kind, row).text));
    }
    markKnownPeople();
}

void SearchArea::markKnownPeople()
{
    const std::array<QListWidget*, 4> lists = creditLists();
    // The cast and crew lists, the first two, name the people their documents write.
    for (std::size_t index = 0; index < 2; ++index) {
        const CreditListRows& part = kCreditListRows[index];
        const std::vector<std::string>& rows = m_shownFilm.credits.*part.rows;
        QListWidget& list = *lists[index];
        for (int row = 0; row < list.count() && static_cast<std::size_t>(row) < rows.size();
             ++row) {
            const std::string& text = rows[static_cast<std::size_t>(row)];
            const std::string name = part.kind == output::CreditList::Cast
                                         ? tmdb::readCastRow(text).name
                                         : tmdb::readCrewRow(text).name;
            // A name the table holds with several years gets a line for each: which one the
            // documents take depends on TMDb's year.
            QStringList lines;
            for (const collection::KnownPerson& person : m_services.people.find(name))
                lines << knownPersonText(person);
            QListWidgetItem* item = list.item(row);
            item->setData(CreditListDelegate::kKnownPersonRole, !lines.isEmpty());
            item->setToolTip(lines.join(QLatin1Char('\n')));
        }
        list.viewport()->update();
    }
}

QString SearchArea::knownPersonText(const collection::KnownPerson& person) const
{
    const QString parts = QStringList{fromWindows1252(person.first), fromWindows1252(person.middle),
                                      fromWindows1252(person.last)}
                              .join(QStringLiteral(" / "));
    if (person.birthYear == 0)
        return m_language.text("MSG_PersonaNotaSenzaAnno").arg(parts);
    return m_language.text("MSG_PersonaNota").arg(parts, QString::number(person.birthYear));
}

} // namespace ravello::app
