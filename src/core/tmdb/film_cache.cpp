// SPDX-License-Identifier: MIT
#include "core/tmdb/film_cache.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "core/files/atomic_file.h"
#include "core/files/whole_file.h"
#include "core/tmdb/json_document.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/tmdb_number.h"
#include "core/tmdb/token_lines.h"

namespace ravello::tmdb {
namespace fs = std::filesystem;
namespace {

// A poster of this size or less is no picture but a short answer of some kind: it is not
// kept, so that the next opening tries again.
constexpr std::uintmax_t kLargestNonPicture = 1000;

// The bucket folders are made at every opening; a folder that cannot be made shows up later
// as a file that cannot be written.
fs::path withFolder(fs::path file)
{
    std::error_code ignored;
    fs::create_directories(file.parent_path(), ignored);
    return file;
}

bool isReadable(const fs::path& file)
{
    std::error_code error;
    return fs::is_regular_file(file, error) && std::ifstream(file, std::ios::binary).is_open();
}

// The document a cache file holds. A file that is no film document (an error answer stored
// by an older version, a file cut short) is not trusted: the film is fetched again.
std::optional<std::string> cachedDocument(const fs::path& file)
{
    const auto bytes = files::readWholeFile(file);
    if (!bytes)
        return std::nullopt;
    std::string document = joinTokenLines(tokenLinesOfFile(*bytes));
    const auto parsed = json::parse(document);
    if (!parsed || !json::isFilmDocument(*parsed))
        return std::nullopt;
    return document;
}

} // namespace

const char* failureTitle(OpeningStep step)
{
    return step == OpeningStep::Cover ? "Error" : "Errore";
}

FilmCache::FilmCache(files::ProgramFolders folders, const Endpoint& endpoint, Fetcher& fetcher)
    : m_folders(std::move(folders)), m_endpoint(endpoint), m_fetcher(fetcher)
{}

std::string FilmCache::bucketName(std::int32_t filmId)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", static_cast<int>(filmId / 1000));
    return text;
}

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

FilmOpening FilmCache::open(std::string_view resultLine)
{
    const ResultLine line = readResultLine(resultLine);
    return open(line.filmId, line.posterUrl);
}

FilmOpening FilmCache::open(std::int32_t filmId, std::string_view posterUrl)
{
    FilmOpening opening;
    opening.filmId = filmId;
    opening.coverFile = openCover(filmId, posterUrl, opening);
    opening.dataPage.filmId = std::to_string(filmId);
    if (const auto details = openDocument(filmId, FilmFileKind::Details, opening))
        opening.dataPage = readFilmDataPage(filmId, *details);
    if (const auto credits = openDocument(filmId, FilmFileKind::Credits, opening))
        opening.credits = readCreditLists(*credits);
    return opening;
}

std::optional<fs::path> FilmCache::openCover(std::int32_t filmId, std::string_view posterUrl,
                                             FilmOpening& opening)
{
    const fs::path file = withFolder(coverFile(filmId));
    if (isReadable(file))
        return file;
    if (posterUrl.empty())
        return std::nullopt;
    FetchResult result = m_fetcher.downloadToFile({std::string(posterUrl), {}}, file);
    if (!result.ok()) {
        opening.failures.push_back({OpeningStep::Cover, std::move(result)});
        return std::nullopt;
    }
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size <= kLargestNonPicture) {
        fs::remove(file, error);
        return std::nullopt;
    }
    return file;
}

std::optional<std::string> FilmCache::openDocument(std::int32_t filmId, FilmFileKind kind,
                                                   FilmOpening& opening)
{
    const bool details = kind == FilmFileKind::Details;
    const fs::path file = withFolder(details ? filmDataFile(filmId) : creditsFile(filmId));
    if (auto document = cachedDocument(file))
        return document;
    FetchResult result = fetchFilmFile(filmId, file, kind);
    // A document that arrived but could not be stored is shown all the same.
    const bool arrived = result.ok() || result.problem == FetchProblem::File;
    std::optional<std::string> document;
    if (arrived)
        document = std::move(result.body);
    if (!result.ok())
        opening.failures.push_back(
            {details ? OpeningStep::Details : OpeningStep::Credits, std::move(result)});
    return document;
}

FetchResult FilmCache::fetchFilmFile(std::int32_t filmId, const fs::path& file, FilmFileKind kind)
{
    const Request request = kind == FilmFileKind::Details ? m_endpoint.detailsRequest(filmId)
                                                          : m_endpoint.creditsRequest(filmId);
    FetchResult result = m_fetcher.fetchJson(request);
    if (!result.ok())
        return result;
    // Only a document of the film itself is kept: anything else would be trusted for ever.
    const auto document = json::parse(result.body);
    if (!document || !json::isFilmDocument(*document))
        return result;
    if (!files::writeFileAtomically(file, tokenFileBytes(splitTokens(result.body))))
        result.problem = FetchProblem::File;
    return result;
}

void FilmCache::forgetCover(std::int32_t filmId) const
{
    std::error_code ignored;
    fs::remove(coverFile(filmId), ignored);
}

} // namespace ravello::tmdb
