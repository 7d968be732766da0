// SPDX-License-Identifier: MIT
#include "core/output/photo_cache.h"

#include <cstdio>
#include <system_error>

#include "core/text/text_fields.h"
#include "core/tmdb/credit_rows.h"
#include "core/tmdb/tmdb_number.h"

namespace ravello::output {
namespace {

// Shorter photo paths are TMDb's null or no path at all.
constexpr std::size_t kShortestPhotoPath = 15;

std::string threeDigits(std::int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%03d", static_cast<int>(value));
    return text;
}

std::string fileName(std::int32_t personNumber)
{
    return tmdb::sevenDigits(personNumber) + ".jpg";
}

bool isNonEmptyFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) &&
           std::filesystem::file_size(file, error) > 0 && !error;
}

} // namespace

PhotoRequest photoRequestFromCastRow(std::string_view castPhotoRow)
{
    const tmdb::CastPhotoRow row = tmdb::readCastPhotoRow(castPhotoRow);
    return {text::toLong(row.personNumber), row.photoPath};
}

PhotoRequest photoRequestFromCrewRow(std::string_view crewPhotoRow)
{
    const tmdb::CrewPhotoRow row = tmdb::readCrewPhotoRow(crewPhotoRow);
    return {text::toLong(row.personNumber), row.photoPath};
}

bool hasPhoto(std::string_view photoPath)
{
    return photoPath.size() >= kShortestPhotoPath;
}

PhotoCache::PhotoCache(files::ProgramFolders folders, const tmdb::Endpoint& endpoint,
                       tmdb::Fetcher& fetcher)
    : m_folders(std::move(folders)), m_endpoint(endpoint), m_fetcher(fetcher)
{}

std::filesystem::path PhotoCache::pathFor(PhotoList list, std::int32_t personNumber) const
{
    const std::filesystem::path folder =
        list == PhotoList::Cast ? m_folders.castPhotosFolder() : m_folders.crewPhotosFolder();
    return folder / threeDigits(personNumber / 1'000'000) /
           threeDigits(personNumber % 1'000'000 / 1'000) / fileName(personNumber);
}

std::string PhotoCache::urlFor(std::string_view photoPath) const
{
    return m_endpoint.imageUrl(photoPath);
}

PhotoResult PhotoCache::photo(PhotoList list, const PhotoRequest& request) const
{
    PhotoResult result;
    if (!hasPhoto(request.photoPath)) {
        result.problem = PhotoProblem::NoPhoto;
        return result;
    }
    // Any other number would share a file with other people or leave the cache tree.
    if (request.personNumber <= 0) {
        result.problem = PhotoProblem::BadPersonNumber;
        return result;
    }
    result.file = pathFor(list, request.personNumber);
    if (isNonEmptyFile(result.file))
        return result;

    std::error_code ignored;
    std::filesystem::create_directories(result.file.parent_path(), ignored);
    result.downloaded = true;
    // The image host needs no key: the address alone is the request.
    result.fetch = m_fetcher.downloadToFile({urlFor(request.photoPath), {}}, result.file);
    if (!result.fetch.ok()) {
        result.problem = PhotoProblem::DownloadFailed;
    } else if (!isNonEmptyFile(result.file)) {
        discard(result.file);
        result.problem = PhotoProblem::EmptyDownload;
    }
    return result;
}

bool PhotoCache::discard(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::remove(file, error);
}

} // namespace ravello::output
