// SPDX-License-Identifier: MIT
#include "core/tmdb/film_cache.h"

#include <algorithm>
#include <system_error>

#include "core/tmdb/cache_files.h"
#include "core/tmdb/json_document.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/tmdb_number.h"

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

void showDocument(FilmOpening& opening, OpeningStep step, const std::string& document)
{
    if (step == OpeningStep::Details)
        opening.dataPage = readFilmDataPage(opening.filmId, document);
    else
        opening.credits = readCreditLists(document);
}

} // namespace

// A part of an opening that the cache lacked.
struct FilmCache::Part
{
    OpeningStep step;
    Retrieval retrieval;
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
    opening.filmId = filmId;
    opening.dataPage.filmId = std::to_string(filmId);
    std::vector<Part> parts;
    const fs::path cover = withFolder(coverFile(filmId));
    if (isReadable(cover))
        opening.coverFile = cover;
    else if (!posterUrl.empty())
        parts.push_back(coverPart(filmId, posterUrl));
    for (const OpeningStep step : {OpeningStep::Details, OpeningStep::Credits}) {
        if (const auto document =
                cachedDocument(withFolder(documentFile(filmId, step)), json::isFilmDocument))
            showDocument(opening, step, *document);
        else
            parts.push_back(documentPart(filmId, step));
    }
    fetchParts(std::move(parts), opening);
    fillEnglishOverview(opening);
    return opening;
}

// TMDb answers a film nobody translated into the chosen language with an empty overview; the
// English one takes its place, asked for once and then kept beside the details. An English
// answer that cannot be had, or cannot be asked for without a key of the user's, leaves the
// overview empty: the film itself is whole.
void FilmCache::fillEnglishOverview(FilmOpening& opening)
{
    const auto& overview = opening.dataPage.overview;
    if (m_endpoint.asksInEnglish() || !overview || !overview->empty() || opening.wasCancelled())
        return;
    const fs::path file = englishDetailsFile(opening.filmId);
    std::optional<std::string> document = cachedDocument(file, json::isFilmDocument);
    if (!document && m_endpoint.hasUsableKey()) {
        FetchResult result =
            m_fetcher.fetchJson(m_endpoint.detailsRequest(opening.filmId, "en-US"));
        storeDocument(file, result, json::isFilmDocument);
        if (result.ok() || result.problem == FetchProblem::File)
            document = std::move(result.body);
    }
    const auto englishOverview =
        document ? readFilmDataPage(opening.filmId, *document).overview : std::nullopt;
    if (englishOverview && !englishOverview->empty()) {
        opening.dataPage.overview = englishOverview;
        opening.dataPage.overviewInEnglish = true;
    }
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
    return {step,
            {step == OpeningStep::Details ? m_endpoint.detailsRequest(filmId)
                                          : m_endpoint.creditsRequest(filmId),
             {},
             [file](FetchResult& result) { storeDocument(file, result, json::isFilmDocument); }}};
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
        if (step == OpeningStep::Cover && result.ok() && isReadable(coverFile(opening.filmId)))
            opening.coverFile = coverFile(opening.filmId);
        // A document that arrived but could not be stored is shown all the same.
        if (step != OpeningStep::Cover && (result.ok() || result.problem == FetchProblem::File))
            showDocument(opening, step, result.body);
        if (!result.ok())
            opening.failures.push_back({step, std::move(result)});
    }
}

void FilmCache::forgetCover(std::int32_t filmId) const
{
    std::error_code ignored;
    fs::remove(coverFile(filmId), ignored);
}

} // namespace ravello::tmdb
