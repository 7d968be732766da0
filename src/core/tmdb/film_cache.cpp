// SPDX-License-Identifier: MIT
#include "core/tmdb/film_cache.h"

#include <algorithm>
#include <system_error>

#include "core/files/atomic_file.h"
#include "core/tmdb/cache_files.h"
#include "core/tmdb/english_details.h"
#include "core/tmdb/json_document.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/tmdb_number.h"
#include "core/tmdb/token_lines.h"

namespace ravello::tmdb {
namespace fs = std::filesystem;
namespace {

// The poster's URL from the details' poster_path, as a search result line holds it.
std::string posterUrlOf(std::string_view details, const Endpoint& endpoint)
{
    const auto document = json::parse(details);
    const auto path = document ? json::textOf(*document, "poster_path") : std::nullopt;
    return path && !path->empty() ? endpoint.imageUrl(*path) : std::string();
}

// Details in another language than English whose overview is empty keep the English overview
// of their translations beside them, even an empty one, so that no opening asks for it again.
void keepEnglishDetails(const fs::path& file, const FetchResult& result)
{
    if (!result.ok())
        return;
    if (const auto english = englishDetailsOf(result.body))
        files::writeFileAtomically(file, tokenFileBytes(splitTokens(*english)));
}

void showEnglishOverview(FilmOpening& opening, const std::string& englishDetails)
{
    auto overview = readFilmDataPage(opening.filmId, englishDetails).overview;
    if (overview && !overview->empty()) {
        opening.dataPage.overview = std::move(overview);
        opening.dataPage.overviewInEnglish = true;
    }
}

} // namespace

// A part of an opening that the cache lacked.
struct FilmCache::Part
{
    OpeningStep step;
    Retrieval retrieval;
    // The English details of a film whose details an older version cached without their
    // translations: only a cancelled wait for them is a failure of the opening.
    bool englishDetails = false;
};

bool FilmOpening::wasCancelled() const
{
    return std::any_of(failures.begin(), failures.end(), [](const OpeningFailure& failure) {
        return failure.fetch.problem == FetchProblem::Cancelled;
    });
}

FilmCache::FilmCache(files::ProgramFolders folders, const Endpoint& endpoint, Fetcher& fetcher)
    : m_folders(std::move(folders)), m_endpoint(endpoint), m_fetcher(fetcher)
{}

fs::path FilmCache::coverFile(std::int32_t filmId) const
{
    return m_folders.coversFolder() / bucketName(filmId) / (sevenDigits(filmId) + ".jpg");
}

fs::path FilmCache::filmDataFile(std::int32_t filmId) const
{
    return m_folders.filmDataFolder() / bucketName(filmId) /
           ("data_" + sevenDigits(filmId) + ".txt");
}

fs::path FilmCache::creditsFile(std::int32_t filmId) const
{
    return m_folders.filmCreditsFolder() / bucketName(filmId) /
           ("data_" + sevenDigits(filmId) + ".txt");
}

fs::path FilmCache::englishDetailsFile(std::int32_t filmId) const
{
    return m_folders.filmDataFolder() / bucketName(filmId) /
           ("data_" + sevenDigits(filmId) + "_en.txt");
}

fs::path FilmCache::documentFile(std::int32_t filmId, OpeningStep step) const
{
    return step == OpeningStep::Details ? filmDataFile(filmId) : creditsFile(filmId);
}

FilmOpening FilmCache::open(std::string_view resultLine)
{
    const ResultLine line = readResultLine(resultLine);
    return open(line.filmId, line.posterUrl);
}

FilmOpening FilmCache::open(std::int32_t filmId, std::string_view posterUrl)
{
    FilmOpening opening;
    std::vector<Part> parts = cachedAndMissing(filmId, posterUrl, opening);
    fetchParts(std::move(parts), opening);
    return opening;
}

// Fills the opening from the cache and returns the parts it lacks.
std::vector<FilmCache::Part> FilmCache::cachedAndMissing(std::int32_t filmId,
                                                         std::string_view posterUrl,
                                                         FilmOpening& opening) const
{
    opening.filmId = filmId;
    opening.dataPage.filmId = std::to_string(filmId);
    std::vector<Part> parts;
    const fs::path cover = withFolder(coverFile(filmId));
    if (isReadable(cover))
        opening.coverFile = cover;
    else if (!posterUrl.empty())
        parts.push_back(coverPart(filmId, posterUrl));
    bool englishKnown = true;
    for (const OpeningStep step : {OpeningStep::Details, OpeningStep::Credits}) {
        if (const auto document =
                cachedDocument(withFolder(documentFile(filmId, step)), json::isFilmDocument))
            englishKnown = showDocument(opening, step, *document) && englishKnown;
        else
            parts.push_back(documentPart(filmId, step));
    }
    // Details cached by an older version came without their translations: their English
    // details are asked for in the same round as the rest, within the same wait.
    if (!englishKnown && m_endpoint.hasUsableKey())
        parts.push_back(englishPart(filmId));
    return parts;
}

std::vector<Retrieval> FilmCache::missingRetrievals(std::int32_t filmId,
                                                    std::string_view posterUrl) const
{
    FilmOpening cached;
    std::vector<Retrieval> retrievals;
    for (Part& part : cachedAndMissing(filmId, posterUrl, cached))
        retrievals.push_back(std::move(part.retrieval));
    return retrievals;
}

// TMDb answers a film nobody translated into the chosen language with an empty overview; the
// English one takes its place.
bool FilmCache::lacksEnglishOverview(const FilmOpening& opening) const
{
    const auto& overview = opening.dataPage.overview;
    return !m_endpoint.asksInEnglish() && overview && overview->empty();
}

// Details without an overview take the English one from their translations, or from the
// English details kept beside them. False when they have neither.
bool FilmCache::showDocument(FilmOpening& opening, OpeningStep step,
                             const std::string& document) const
{
    if (step != OpeningStep::Details) {
        opening.credits = readCreditLists(document);
        return true;
    }
    opening.dataPage = readFilmDataPage(opening.filmId, document);
    if (!lacksEnglishOverview(opening))
        return true;
    auto english = englishDetailsOf(document);
    if (!english)
        english = cachedDocument(englishDetailsFile(opening.filmId), json::isFilmDocument);
    if (english)
        showEnglishOverview(opening, *english);
    return english.has_value();
}

FilmOpening FilmCache::openByIdentifier(std::int32_t filmId)
{
    if (const auto details = cachedDocument(filmDataFile(filmId), json::isFilmDocument))
        return open(filmId, posterUrlOf(*details, m_endpoint));
    FilmOpening opening = open(filmId, "");
    const auto details = cachedDocument(filmDataFile(filmId), json::isFilmDocument);
    if (opening.coverFile || opening.wasCancelled() || !details)
        return opening;
    const std::string posterUrl = posterUrlOf(*details, m_endpoint);
    if (!posterUrl.empty()) {
        std::vector<Part> parts;
        parts.push_back(coverPart(filmId, posterUrl));
        fetchParts(std::move(parts), opening);
    }
    return opening;
}

FilmCache::Part FilmCache::coverPart(std::int32_t filmId, std::string_view posterUrl) const
{
    const fs::path file = coverFile(filmId);
    return {OpeningStep::Cover,
            {{std::string(posterUrl), {}}, file, [file](const FetchResult& result) {
                 dropNonPicture(file, result);
             }}};
}

FilmCache::Part FilmCache::documentPart(std::int32_t filmId, OpeningStep step) const
{
    const fs::path file = documentFile(filmId, step);
    if (step == OpeningStep::Credits)
        return {step, {m_endpoint.creditsRequest(filmId), {}, [file](FetchResult& result) {
                           storeDocument(file, result, json::isFilmDocument);
                       }}};
    const fs::path englishFile = englishDetailsFile(filmId);
    return {step, {m_endpoint.detailsRequest(filmId), {}, [file, englishFile](FetchResult& result) {
                       storeDocument(file, result, json::isFilmDocument);
                       keepEnglishDetails(englishFile, result);
                   }}};
}

FilmCache::Part FilmCache::englishPart(std::int32_t filmId) const
{
    const fs::path file = englishDetailsFile(filmId);
    return {OpeningStep::Details,
            {m_endpoint.detailsRequest(filmId, "en-US"),
             {},
             [file](FetchResult& result) { storeDocument(file, result, json::isFilmDocument); }},
            true};
}

void FilmCache::fetchParts(std::vector<Part> parts, FilmOpening& opening)
{
    if (parts.empty())
        return;
    std::vector<Retrieval> retrievals;
    for (Part& part : parts)
        retrievals.push_back(std::move(part.retrieval));
    std::vector<FetchResult> results = m_fetcher.fetchAll(std::move(retrievals));
    for (std::size_t index = 0; index < parts.size(); ++index) {
        const OpeningStep step = parts[index].step;
        FetchResult& result = results[index];
        if (parts[index].englishDetails) {
            takeEnglishDetails(opening, result);
            continue;
        }
        if (step == OpeningStep::Cover && result.ok() && isReadable(coverFile(opening.filmId)))
            opening.coverFile = coverFile(opening.filmId);
        // A document that arrived but could not be stored is shown all the same.
        if (step != OpeningStep::Cover && (result.ok() || result.problem == FetchProblem::File))
            showDocument(opening, step, result.body);
        if (!result.ok())
            opening.failures.push_back({step, std::move(result)});
    }
}

// An English overview that cannot be had leaves the overview empty: the film itself is whole.
// A cancelled wait for it is the opening's, though.
void FilmCache::takeEnglishDetails(FilmOpening& opening, FetchResult& result) const
{
    if (result.ok() || result.problem == FetchProblem::File)
        showEnglishOverview(opening, result.body);
    else if (result.problem == FetchProblem::Cancelled)
        opening.failures.push_back({OpeningStep::Details, std::move(result)});
}

void FilmCache::forgetCover(std::int32_t filmId) const
{
    std::error_code ignored;
    fs::remove(coverFile(filmId), ignored);
}

std::optional<CreditLists> FilmCache::cachedCredits(std::int32_t filmId) const
{
    const auto document = cachedDocument(creditsFile(filmId), json::isFilmDocument);
    if (!document)
        return std::nullopt;
    return readCreditLists(*document);
}

} // namespace ravello::tmdb
