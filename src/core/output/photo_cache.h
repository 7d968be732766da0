// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/program_folders.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetch_result.h"
#include "core/tmdb/fetcher.h"

// The photos of cast and crew members: fetched from TMDb's image host once, then kept for
// ever, one file per person and list under DB/Actors (cast) or DB/Crew (crew).
namespace ravello::output {

enum class PhotoList
{
    Cast, // LST_CastMDB2, DB/Actors
    Crew, // LST_CrewMDB2, DB/Crew
};

// What a photo row gives: the TMDb person number and the photo path as retrieved.
struct PhotoRequest
{
    std::int32_t personNumber = 0;
    std::string photoPath;
};

PhotoRequest photoRequestFromCastRow(std::string_view castPhotoRow);
PhotoRequest photoRequestFromCrewRow(std::string_view crewPhotoRow);

// A person without a photo has "null" or a short path; from 15 characters on it is fetched.
bool hasPhoto(std::string_view photoPath);

enum class PhotoProblem
{
    None,
    NoPhoto,         // the row has no photo path (MSG_NessunaImmagine)
    BadPersonNumber, // the row's person number is not a positive number
    DownloadFailed,  // see PhotoResult::fetch
    EmptyDownload,   // the image host sent nothing
};

struct PhotoResult
{
    PhotoProblem problem = PhotoProblem::None;
    std::filesystem::path file; // the cache file, on success
    bool downloaded = false;    // false when the file came from the cache
    tmdb::FetchResult fetch;    // the retrieval, when one was made

    bool ok() const { return problem == PhotoProblem::None; }
};

class PhotoCache
{
public:
    // Photos are fetched with `fetcher` from the endpoint's image host; both must outlive the
    // cache, which follows later changes of the endpoint.
    PhotoCache(files::ProgramFolders folders, const tmdb::Endpoint& endpoint,
               tmdb::Fetcher& fetcher);

    // The cache file of a person: <folder>/AAA/BBB/NNNNNNN.jpg with AAA = n / 1,000,000 and
    // BBB = (n mod 1,000,000) / 1,000 in three digits and n in seven.
    std::filesystem::path pathFor(PhotoList list, std::int32_t personNumber) const;

    // The photo's address on the image host: "/t/p/original" followed by the path.
    std::string urlFor(std::string_view photoPath) const;

    // The cache file of the request's photo, downloading it first when it is not cached.
    // A failed download leaves no file behind, so the next call tries again.
    PhotoResult photo(PhotoList list, const PhotoRequest& request) const;

    // Removes a cache file whose bytes are no picture, so that the next call fetches it anew.
    static bool discard(const std::filesystem::path& file);

private:
    files::ProgramFolders m_folders;
    const tmdb::Endpoint& m_endpoint;
    tmdb::Fetcher& m_fetcher;
};

} // namespace ravello::output
