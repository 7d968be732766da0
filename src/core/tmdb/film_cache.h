// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folders.h"
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_data_page.h"

namespace ravello::tmdb {

enum class OpeningStep
{
    Cover,
    Details,
    Credits
};

struct OpeningFailure
{
    OpeningStep step;
    FetchResult fetch;
};

// Everything the window shows after opening a film.
struct FilmOpening
{
    std::int32_t filmId = 0;
    // The cached poster; nothing means the not-found picture. A file that does not decode as
    // a picture counts as not found too: pass it to FilmCache::forgetCover.
    std::optional<std::filesystem::path> coverFile;
    FilmDataPage dataPage;
    // Nothing when the credits could not be had: the lists keep what they show.
    std::optional<CreditLists> credits;
    // The steps that failed, in order, each to be told in a message box.
    std::vector<OpeningFailure> failures;

    // True when the wait was cancelled: the opening then counts as failed, and there is
    // nothing to tell.
    bool wasCancelled() const;
};

// A film's poster, details and credits, each fetched once and kept for ever under the program
// database folder, in buckets of identifier / 1000:
//   DB/Covers/%04d/%07d.jpg, DB/Movie/FilmData/%04d/data_%07d.txt,
//   DB/Movie/Actors/%04d/data_%07d.txt
// and, for a film without an overview in the chosen language, its English overview in
//   DB/Movie/FilmData/%04d/data_%07d_en.txt
// The text files hold the token lines of TMDb's answers. Details in another language than
// English are asked for with their translations, which give the English overview. What an
// opening lacks is requested side by side in one round, each file stored as soon as its
// answer is complete; nothing that failed is stored, and opening a film whose files are cached
// makes no request.
class FilmCache
{
public:
    FilmCache(files::ProgramFolders folders, const Endpoint& endpoint, Fetcher& fetcher);

    std::filesystem::path coverFile(std::int32_t filmId) const;
    std::filesystem::path filmDataFile(std::int32_t filmId) const;
    std::filesystem::path creditsFile(std::int32_t filmId) const;
    std::filesystem::path englishDetailsFile(std::int32_t filmId) const;

    // Opens the film of a result line: its identifier and poster URL come from the line. The
    // details come in the endpoint's language; an empty poster URL asks for no cover. Returns
    // once every request has ended, or when the fetcher's progress callback cancelled the wait.
    FilmOpening open(std::string_view resultLine);
    FilmOpening open(std::int32_t filmId, std::string_view posterUrl);
    // Opens a film known by its identifier alone: the poster's URL is the details'
    // poster_path on the image host, so when the details are not cached yet the cover is asked
    // for once they have arrived.
    FilmOpening openByIdentifier(std::int32_t filmId);

    // The retrievals that would complete the film's cache (poster, details, credits, English
    // details), each storing its answer as soon as it has arrived, for a batch of many films;
    // none when every file is cached.
    std::vector<Retrieval> missingRetrievals(std::int32_t filmId, std::string_view posterUrl) const;

    // The film's credits as the cache holds them, without a request; nothing when they are not
    // cached.
    std::optional<CreditLists> cachedCredits(std::int32_t filmId) const;

    // Removes a cached cover that turned out not to be a picture, so that the next opening
    // fetches it again.
    void forgetCover(std::int32_t filmId) const;

private:
    struct Part;

    std::filesystem::path documentFile(std::int32_t filmId, OpeningStep step) const;
    Part coverPart(std::int32_t filmId, std::string_view posterUrl) const;
    Part documentPart(std::int32_t filmId, OpeningStep step) const;
    Part englishPart(std::int32_t filmId) const;
    std::vector<Part> cachedAndMissing(std::int32_t filmId, std::string_view posterUrl,
                                       FilmOpening& opening) const;
    void fetchParts(std::vector<Part> parts, FilmOpening& opening);
    bool lacksEnglishOverview(const FilmOpening& opening) const;
    bool showDocument(FilmOpening& opening, OpeningStep step, const std::string& document) const;
    void takeEnglishDetails(FilmOpening& opening, FetchResult& result) const;

    files::ProgramFolders m_folders;
    const Endpoint& m_endpoint;
    Fetcher& m_fetcher;
};

} // namespace ravello::tmdb
