// SPDX-License-Identifier: MIT
#include "core/tmdb/season_cache.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "core/tmdb/cache_files.h"
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
};

// One opening's work: what the cache holds, what must be asked, and the cover.
class SeasonOpener
{
public:
    SeasonOpener(const SeasonCache& cache, const Endpoint& endpoint, Fetcher& fetcher,
                 SeasonOpening& opening)
        : m_cache(cache), m_endpoint(endpoint), m_fetcher(fetcher), m_opening(opening)
    {}

    void readCache();
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
    Poster wantedPoster(std::string_view showPosterUrl) const;
    void run(std::vector<Part> parts);
    void take(SeasonStep step, const std::string& document);

    const SeasonCache& m_cache;
    const Endpoint& m_endpoint;
    Fetcher& m_fetcher;
    SeasonOpening& m_opening;
    std::optional<TvShow> m_show;
    std::optional<TvSeason> m_season;
    std::vector<Part> m_parts;
    fs::path m_askedCover;
};

void SeasonOpener::readCache()
{
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
        // A document that arrived but could not be stored is shown all the same.
        if (step != SeasonStep::Cover && (result.ok() || result.problem == FetchProblem::File))
            take(step, result.body);
        if (!result.ok())
            m_opening.failures.push_back({step, std::move(result)});
    }
}

void SeasonOpener::take(SeasonStep step, const std::string& document)
{
    if (step == SeasonStep::Show)
        m_show = readTvShow(document);
    else
        m_season = readTvSeason(document);
}

void SeasonOpener::finish()
{
    if (m_show && m_season && !m_opening.wasCancelled())
        m_opening.content = ShowSeason{std::move(*m_show), std::move(*m_season), false};
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
    SeasonOpening opening = openSeason(showId, seasonNumber, showPosterUrl);
    fillEnglishOverview(opening);
    return opening;
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
    opener.readCache();
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
    opener.readCache();
    if (showPosterUrl)
        opener.addPoster(*showPosterUrl);
    opener.fetch();
    if (showPosterUrl)
        opener.completeCover(*showPosterUrl);
    opener.finish();
    return opening;
}

// As for films: a season nobody translated has an empty overview in the chosen language, and
// the English one takes its place, asked for once and kept beside the season. An English answer
// that cannot be had, or asked for without a key of the user's, leaves it empty.
void SeasonCache::fillEnglishOverview(SeasonOpening& opening)
{
    if (m_endpoint.asksInEnglish() || !opening.content || !opening.content->season.overview.empty())
        return;
    const fs::path file = englishSeasonFile(opening.showId, opening.seasonNumber);
    std::optional<std::string> document = cachedDocument(file, json::isSeasonDocument);
    if (!document && m_endpoint.hasUsableKey()) {
        FetchResult result = m_fetcher.fetchJson(
            m_endpoint.seasonOverviewRequest(opening.showId, opening.seasonNumber, "en-US"));
        storeDocument(file, result, json::isSeasonDocument);
        // A wait the user ended ends the opening: the season shown before stays whole.
        if (result.problem == FetchProblem::Cancelled) {
            opening.failures.push_back({SeasonStep::Season, std::move(result)});
            return;
        }
        if (result.ok() || result.problem == FetchProblem::File)
            document = std::move(result.body);
    }
    const auto english = document ? readTvSeason(*document) : std::nullopt;
    if (english && !english->overview.empty()) {
        opening.content->season.overview = english->overview;
        opening.content->overviewInEnglish = true;
    }
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
