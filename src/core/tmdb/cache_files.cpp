// SPDX-License-Identifier: MIT
#include "core/tmdb/cache_files.h"

#include <fstream>
#include <system_error>

#include "core/files/atomic_file.h"
#include "core/files/whole_file.h"
#include "core/tmdb/token_lines.h"

namespace ravello::tmdb {
namespace fs = std::filesystem;
namespace {

constexpr std::uintmax_t kLargestNonPicture = 1000;

} // namespace

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

std::optional<std::string> cachedDocument(const fs::path& file, DocumentCheck isWanted)
{
    const auto bytes = files::readWholeFile(file);
    if (!bytes)
        return std::nullopt;
    std::string document = joinTokenLines(tokenLinesOfFile(*bytes));
    const auto parsed = json::parse(document);
    if (!parsed || !isWanted(*parsed))
        return std::nullopt;
    return document;
}

void storeDocument(const fs::path& file, FetchResult& result, DocumentCheck isWanted)
{
    if (!result.ok())
        return;
    const auto document = json::parse(result.body);
    if (!document || !isWanted(*document))
        return;
    if (!files::writeFileAtomically(file, tokenFileBytes(splitTokens(result.body))))
        result.problem = FetchProblem::File;
}

void dropNonPicture(const fs::path& file, const FetchResult& result)
{
    if (!result.ok())
        return;
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error || size <= kLargestNonPicture)
        fs::remove(file, error);
}

} // namespace ravello::tmdb
