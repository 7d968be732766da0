// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folders.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/show_season.h"

namespace ravello::tmdb {

enum class SeasonStep
{
    Cover,
    Show,
    Season
};

struct SeasonFailure
{
    SeasonStep step;
    FetchResult fetch;
};

// Everything the window shows after opening a season of a show.
struct SeasonOpening
{
    std::int32_t showId = 0;
    int seasonNumber = 0;
    // The cached poster (the season's, else the show's); nothing means the not-found picture.
    // A file that does not decode as a picture counts as not found: pass the opening to
    // SeasonCache::forgetCover.
    std::optional<std::filesystem::path> coverFile;
    // The show and the season, when both could be had (a document that arrived but could not
    // be stored counts): the pages show a season whole or not at all.
    std::optional<ShowSeason> content;
    // The steps that failed, in order, each to be told in a message box. A poster that could
    // not be had is told only when no cover could be shown.
    std::vector<SeasonFailure> failures;

    // True when the wait was cancelled: the opening then counts as failed, with nothing to tell.
    bool wasCancelled() const;
};

// A show's details, its seasons with their episodes and credits, and their posters, each
// fetched once and kept for ever under the program database folder, in buckets of show
// identifier / 1000:
//   DB/TV/Shows/%04d/show_%07d.txt                the show's details
//   DB/TV/Seasons/%04d/season_%07d_%02d.txt       a season with its credits and, in another
//                                                 language than English, its translations
//   DB/TV/Seasons/%04d/season_%07d_%02d_en.txt    the English season of one cached without
//                                                 its translations, when it has no overview in
//                                                 the chosen language
//   DB/TV/Covers/%04d/%07d.jpg, %07d_%02d.jpg     the show's and the season's posters
// The text files hold the token lines of TMDb's answers. What an opening lacks is requested side
// by side in one round, each file stored as soon as its answer is complete; nothing that failed
// is stored, and opening a season whose files are cached makes no request.
class SeasonCache
{
public:
    SeasonCache(files::ProgramFolders folders, const Endpoint& endpoint, Fetcher& fetcher);

    std::filesystem::path showFile(std::int32_t showId) const;
    std::filesystem::path seasonFile(std::int32_t showId, int seasonNumber) const;
    std::filesystem::path englishSeasonFile(std::int32_t showId, int seasonNumber) const;
    std::filesystem::path showCoverFile(std::int32_t showId) const;
    std::filesystem::path seasonCoverFile(std::int32_t showId, int seasonNumber) const;

    // Opens a season of the show of a TV search's result line, whose poster is the show's.
    SeasonOpening open(std::string_view resultLine, int seasonNumber);
    // Opens a season with its poster, and with the English overview of its translations when
    // it has none in the endpoint's language. The show, the season and the poster go out side
    // by side. The
    // season's own poster is known only from the show or the season: when neither was cached
    // it is asked for once they have arrived, while the show's poster (`showPosterUrl`, empty
    // for none) goes out with them in case the season has none. Returns once every request has
    // ended, or when the fetcher's progress callback cancelled the wait.
    SeasonOpening open(std::int32_t showId, int seasonNumber, std::string_view showPosterUrl);
    // The show and the season with its credits only, side by side: what the documents need.
    SeasonOpening openCredits(std::int32_t showId, int seasonNumber);
    // The retrievals that would complete the season's cache (the show, the season with its
    // credits and translations, the poster as an opening would show it), each storing its
    // answer as soon as it has arrived, for a batch of many; none when the season is cached.
    // Once they have arrived, the season's own poster is among them when it has one.
    std::vector<Retrieval> missingRetrievals(std::int32_t showId, int seasonNumber,
                                             std::string_view showPosterUrl) const;

    // The show and the season with its credits as the cache holds them, without a request;
    // nothing unless both are cached.
    std::optional<ShowSeason> cachedSeason(std::int32_t showId, int seasonNumber) const;

    // Removes the opening's cached cover that turned out not to be a picture, so that the next
    // opening fetches it again.
    void forgetCover(const SeasonOpening& opening) const;

private:
    SeasonOpening openSeason(std::int32_t showId, int seasonNumber,
                             std::optional<std::string_view> showPosterUrl);

    files::ProgramFolders m_folders;
    const Endpoint& m_endpoint;
    Fetcher& m_fetcher;
};

} // namespace ravello::tmdb
