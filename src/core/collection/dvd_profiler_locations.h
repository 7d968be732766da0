// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Where DVD Profiler keeps its files, as the program finds and shows them.
namespace ravello::collection {

// The front cover of a profile: "<folder>/Images/<ID>f.jpg". Nothing when the ID is empty or
// could lead out of the Images folder (a path separator, a drive colon, "..") or holds a
// control character.
std::optional<std::filesystem::path> coverFileOf(const std::filesystem::path& dvdProfilerFolder,
                                                 std::string_view profileId);

// The folder of a file chosen in a file dialog: the path cut at its last separator ('\\' or
// '/'), without a trailing separator, except that a root keeps it ("C:\", "/"). Empty when
// the path holds no separator.
std::string folderOfChosenFile(std::string_view chosenPath);

// Where DVD Profiler keeps its default database below a documents folder:
// "<documents>/DVD Profiler/Databases/Default". Empty when the documents folder is.
std::filesystem::path defaultDatabaseFolder(const std::filesystem::path& documentsFolder);

} // namespace ravello::collection
