// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/tmdb/fetch_result.h"
#include "core/tmdb/json_document.h"

// What the film and season caches share about their files: bucket folders made on the way,
// documents kept as token lines only when they are what was asked for, pictures kept only
// when they can be one.
namespace ravello::tmdb {

// Whether a document is the one a cache file is meant to hold (a film's details, a season...).
using DocumentCheck = bool (*)(const json::Document& document);

// Makes the file's bucket folder and returns the file. A folder that cannot be made shows up
// later as a file that cannot be written.
std::filesystem::path withFolder(std::filesystem::path file);

bool isReadable(const std::filesystem::path& file);

// The document a cache file holds, joined from its token lines. A file that `isWanted` refuses
// (an error answer stored by an older version, a file cut short) is not trusted: nothing.
std::optional<std::string> cachedDocument(const std::filesystem::path& file,
                                          DocumentCheck isWanted);

// Keeps an answer that arrived as the file's token lines, written atomically, when `isWanted`
// accepts it: anything else would be trusted for ever. A write that failed turns the result
// into FetchProblem::File, its body kept.
void storeDocument(const std::filesystem::path& file, FetchResult& result, DocumentCheck isWanted);

// Removes a downloaded poster of 1,000 bytes or less: no picture but a short answer of some
// kind, so that the next opening tries again.
void dropNonPicture(const std::filesystem::path& file, const FetchResult& result);

} // namespace ravello::tmdb
