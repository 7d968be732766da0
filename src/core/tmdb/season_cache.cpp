// SPDX-License-Identifier: MIT
#include "core/tmdb/season_cache.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/tmdb/cache_files.h"
#include "core/tmdb/english_details.h"
#include "core/tmdb/json_document.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/tmdb_number.h"

namespace ravello::tmdb {
namespace fs = std::filesystem;
namespace {

// "0001399_03": the show in seven digits, the season in at least two.
std::string showAndSeason(std::int32_t showId, int seasonNumber)
{
    char text[40];
    std::snprintf(text, sizeof text, "%07d_%02d", static_cast<int>(showId), seasonNumber);
    return text;
}

struct Poster
{
    fs::path file;
    std::string url; // empty: not to be had
};

struct Part
{
    SeasonStep step;
    Retrieval retrieval;
    // The English season of a season that an older version cached without its translations:
    // only a cancelled wait for it is a failure of the opening.
    bool englishSeason = false;
};

// One opening's work: what the cache holds, what must be asked, and the cover.
class SeasonOpener
{
public:
    SeasonOpener(const SeasonCache& cache, const Endpoint& endpoint, Fetcher& fetcher,
                 SeasonOpening& opening)
        : m_cache(cache), m_endpoint(endpoint), m_fetcher(fetcher), m_opening(opening)
    {}

    // What the cache holds; with `withEnglish`, the English overview of a season without one in
    // the endpoint's language too.
    void readCache(bool withEnglish);
    // The poster wanted now goes out with the documents, unless it is cached.
    void addPoster(std::string_view showPosterUrl);
    void fetch() { run(std::move(m_parts)); }
    // What the cache lacks, for another's batch: each retrieval stores its own answer.
    std::vector<Retrieval> takeRetrievals();
    // Asks for the season's own poster once the documents told it, then picks the cover.
    void completeCover(std::string_view showPosterUrl);
    void finish();

private:
    Part documentPart(SeasonStep step) const;
    Part englishPart() const;
    Poster wantedPoster(std::string_view showPosterUrl) const;
    bool lacksEnglishOverview() const;
    void run(std::vector<Part> parts);
    void take(SeasonStep step, const std::string& document);
    void takeEnglishSeason(FetchResult& result);

    const SeasonCache& m_cache;
    const Endpoint& m_endpoint;
    Fetcher& m_fetcher;
    SeasonOpening& m_opening;
    std::optional<TvShow> m_show;
    std::optional<TvSeason> m_season;
    // The English overview of a season without one in the endpoint's language, when known: from
    // the season's translations, or from the English season kept beside it. Empty when TMDb has
    // none either.
    std::optional<std::string> m_englishOverview;
    bool m_withEnglish = false;
    std::vector<Part> m_parts;
    fs::path m_askedCover;
};

void SeasonOpener::readCache(bool withEnglish)
{
    m_withEnglish = withEnglish && !m_endpoint.asksInEnglish();
    const std::int32_t showId = m_opening.showId;
    if (const auto show =
            cachedDocument(withFolder(m_cache.showFile(showId)), json::isShowDocument))
        take(SeasonStep::Show, *show);
    else
        m_parts.push_back(documentPart(SeasonStep::Show));
    const fs::path seasonFile = withFolder(m_cache.seasonFile(showId, m_opening.seasonNumber));
    if (const auto season = cachedDocument(seasonFile, json::isSeasonDocument))
        take(SeasonStep::Season, *season);
    else
        m_parts.push_back(documentPart(SeasonStep::Season));
    if (!lacksEnglishOverview())
        return;
    const fs::path english = m_cache.englishSeasonFile(showId, m_opening.seasonNumber);
    if (const auto document = cachedDocument(english, json::isSeasonDocument)) {
        const auto season = readTvSeason(*document);
        m_englishOverview = season ? season->overview : "";
    } else if (m_endpoint.hasUsableKey()) {
        // Cached by an older version without its translations: the English season is asked
        // for in the same round as the rest, within the same wait.
        m_parts.push_back(englishPart());
    }
}

// A season whose overview is empty in the endpoint's language, and whose English overview is
// not known yet.
bool SeasonOpener::lacksEnglishOverview() const
{
    return m_withEnglish && m_season && m_season->overview.empty() && !m_englishOverview;
}

Part SeasonOpener::documentPart(SeasonStep step) const
{
    const std::int32_t showId = m_opening.showId;
    const int number = m_opening.seasonNumber;
    if (step == SeasonStep::Show) {
        const fs::path file = m_cache.showFile(showId);
        return {step, {m_endpoint.showRequest(showId), {}, [file](FetchResult& result) {
                           storeDocument(file, result, json::isShowDocument);
                       }}};
    }
    const fs::path file = m_cache.seasonFile(showId, number);
    return {step, {m_endpoint.seasonRequest(showId, number), {}, [file](FetchResult& result) {
                       storeDocument(file, result, json::isSeasonDocument);
                   }}};
}

Part SeasonOpener::englishPart() const
{
    const fs::path file = m_cache.englishSeasonFile(m_opening.showId, m_opening.seasonNumber);
    return {SeasonStep::Season,
            {m_endpoint.seasonOverviewRequest(m_opening.showId, m_opening.seasonNumber, "en-US"),
             {},
             [file](FetchResult& result) { storeDocument(file, result, json::isSeasonDocument); }},
            true};
}

// The season's poster, else the show's. Before the documents tell whether the season has a
// poster of its own, the show's is the one to be had.
Poster SeasonOpener::wantedPoster(std::string_view showPosterUrl) const
{
    const int number = m_opening.seasonNumber;
    std::string seasonPath;
    if (m_season)
        seasonPath = m_season->posterPath;
    else if (const SeasonEntry* entry = m_show ? m_show->seasonEntry(number) : nullptr)
        seasonPath = entry->posterPath;
    if (!seasonPath.empty())
        return {m_cache.seasonCoverFile(m_opening.showId, number), m_endpoint.imageUrl(seasonPath)};
    std::string url(showPosterUrl);
    if (m_show)
        url = m_show->posterPath.empty() ? "" : m_endpoint.imageUrl(m_show->posterPath);
    return {m_cache.showCoverFile(m_opening.showId), std::move(url)};
}

void SeasonOpener::addPoster(std::string_view showPosterUrl)
{
    const Poster poster = wantedPoster(showPosterUrl);
    if (isReadable(withFolder(poster.file)) || poster.url.empty())
        return;
    m_askedCover = poster.file;
    m_parts.push_back({SeasonStep::Cover,
                       {{poster.url, {}}, poster.file, [file = poster.file](FetchResult& result) {
                            dropNonPicture(file, result);
                        }}});
}

std::vector<Retrieval> SeasonOpener::takeRetrievals()
{
    std::vector<Retrieval> retrievals;
    for (Part& part : m_parts)
        retrievals.push_back(std::move(part.retrieval));
    m_parts.clear();
    return retrievals;
}

// An opening is one round trip: a season poster the documents told only now is asked for in a
// second round only when the show has no poster to show meanwhile; otherwise the next opening
// asks for it, with nothing else to wait for.
void SeasonOpener::completeCover(std::string_view showPosterUrl)
{
    const bool showCoverHeld = isReadable(m_cache.showCoverFile(m_opening.showId));
    if (!m_opening.wasCancelled() && m_show && m_season && !showCoverHeld) {
        const Poster poster = wantedPoster(showPosterUrl);
        if (poster.file != m_askedCover) {
            addPoster(showPosterUrl);
            fetch();
        }
    }
    // A season poster that could not be had leaves the show's, when that is cached.
    for (const fs::path& file :
         {wantedPoster(showPosterUrl).file, m_cache.showCoverFile(m_opening.showId)}) {
        if (!m_opening.coverFile && isReadable(file))
            m_opening.coverFile = file;
    }
    auto& failures = m_opening.failures;
    if (m_opening.coverFile)
        failures.erase(std::remove_if(failures.begin(), failures.end(),
                                      [](const SeasonFailure& failure) {
                                          return failure.step == SeasonStep::Cover;
                                      }),
                       failures.end());
}

void SeasonOpener::run(std::vector<Part> parts)
{
    if (parts.empty())
        return;
    std::vector<Retrieval> retrievals;
    for (Part& part : parts)
        retrievals.push_back(std::move(part.retrieval));
    std::vector<FetchResult> results = m_fetcher.fetchAll(std::move(retrievals));
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const SeasonStep step = parts[index].step;
        FetchResult& result = results[index];
        if (parts[index].englishSeason) {
            takeEnglishSeason(result);
            continue;
        }
        // A document that arrived but could not be stored is shown all the same.
        if (step != SeasonStep::Cover && (result.ok() || result.problem == FetchProblem::File))
            take(step, result.body);
        if (!result.ok())
            m_opening.failures.push_back({step, std::move(result)});
    }
}

void SeasonOpener::take(SeasonStep step, const std::string& document)
{
    if (step == SeasonStep::Show) {
        m_show = readTvShow(document);
        return;
    }
    m_season = readTvSeason(document);
    if (m_withEnglish)
        m_englishOverview = englishOverviewOf(document);
}

// An English season that cannot be had leaves the overview empty: the season itself is whole.
// A cancelled wait for it is the opening's, though, so that the season shown before stays.
void SeasonOpener::takeEnglishSeason(FetchResult& result)
{
    if (result.ok() || result.problem == FetchProblem::File) {
        const auto english = readTvSeason(result.body);
        m_englishOverview = english ? english->overview : "";
    } else if (result.problem == FetchProblem::Cancelled) {
        m_opening.failures.push_back({SeasonStep::Season, std::move(result)});
    }
}

// A season nobody translated has an empty overview in the chosen language: the English one
// takes its place.
void SeasonOpener::finish()
{
    if (!m_show || !m_season || m_opening.wasCancelled())
        return;
    m_opening.content = ShowSeason{std::move(*m_show), std::move(*m_season), false};
    TvSeason& season = m_opening.content->season;
    if (m_withEnglish && season.overview.empty() && m_englishOverview &&
        !m_englishOverview->empty()) {
        season.overview = *m_englishOverview;
        m_opening.content->overviewInEnglish = true;
    }
}

} // namespace

bool SeasonOpening::wasCancelled() const
{
    return std::any_of(failures.begin(), failures.end(), [](const SeasonFailure& failure) {
        return failure.fetch.problem == FetchProblem::Cancelled;
    });
}

SeasonCache::SeasonCache(files::ProgramFolders folders, const Endpoint& endpoint, Fetcher& fetcher)
    : m_folders(std::move(folders)), m_endpoint(endpoint), m_fetcher(fetcher)
{}

fs::path SeasonCache::showFile(std::int32_t showId) const
{
    return m_folders.tvShowsFolder() / bucketName(showId) /
           ("show_" + sevenDigits(showId) + ".txt");
}

fs::path SeasonCache::seasonFile(std::int32_t showId, int seasonNumber) const
{
    return m_folders.tvSeasonsFolder() / bucketName(showId) /
           ("season_" + showAndSeason(showId, seasonNumber) + ".txt");
}

fs::path SeasonCache::englishSeasonFile(std::int32_t showId, int seasonNumber) const
{
    return m_folders.tvSeasonsFolder() / bucketName(showId) /
           ("season_" + showAndSeason(showId, seasonNumber) + "_en.txt");
}

fs::path SeasonCache::showCoverFile(std::int32_t showId) const
{
    return m_folders.tvCoversFolder() / bucketName(showId) / (sevenDigits(showId) + ".jpg");
}

fs::path SeasonCache::seasonCoverFile(std::int32_t showId, int seasonNumber) const
{
    return m_folders.tvCoversFolder() / bucketName(showId) /
           (showAndSeason(showId, seasonNumber) + ".jpg");
}

SeasonOpening SeasonCache::open(std::string_view resultLine, int seasonNumber)
{
    const ResultLine line = readResultLine(resultLine);
    return open(line.filmId, seasonNumber, line.posterUrl);
}

SeasonOpening SeasonCache::open(std::int32_t showId, int seasonNumber,
                                std::string_view showPosterUrl)
{
    return openSeason(showId, seasonNumber, showPosterUrl);
}

SeasonOpening SeasonCache::openCredits(std::int32_t showId, int seasonNumber)
{
    return openSeason(showId, seasonNumber, std::nullopt);
}

std::vector<Retrieval> SeasonCache::missingRetrievals(std::int32_t showId, int seasonNumber,
                                                      std::string_view showPosterUrl) const
{
    SeasonOpening opening;
    opening.showId = showId;
    opening.seasonNumber = seasonNumber;
    SeasonOpener opener(*this, m_endpoint, m_fetcher, opening);
    opener.readCache(true);
    opener.addPoster(showPosterUrl);
    return opener.takeRetrievals();
}

SeasonOpening SeasonCache::openSeason(std::int32_t showId, int seasonNumber,
                                      std::optional<std::string_view> showPosterUrl)
{
    SeasonOpening opening;
    opening.showId = showId;
    opening.seasonNumber = seasonNumber;
    SeasonOpener opener(*this, m_endpoint, m_fetcher, opening);
    // The documents need no overview: only an opening asks for the English one.
    opener.readCache(showPosterUrl.has_value());
    if (showPosterUrl)
        opener.addPoster(*showPosterUrl);
    opener.fetch();
    if (showPosterUrl)
        opener.completeCover(*showPosterUrl);
    opener.finish();
    return opening;
}

void SeasonCache::forgetCover(const SeasonOpening& opening) const
{
    std::error_code ignored;
    if (opening.coverFile)
        fs::remove(*opening.coverFile, ignored);
}

std::optional<ShowSeason> SeasonCache::cachedSeason(std::int32_t showId, int seasonNumber) const
{
    const auto show = cachedDocument(showFile(showId), json::isShowDocument);
    const auto season = cachedDocument(seasonFile(showId, seasonNumber), json::isSeasonDocument);
    auto readShow = show ? readTvShow(*show) : std::nullopt;
    auto readSeason = season ? readTvSeason(*season) : std::nullopt;
    if (!readShow || !readSeason)
        return std::nullopt;
    return ShowSeason{std::move(*readShow), std::move(*readSeason), false};
}

} // namespace ravello::tmdb
