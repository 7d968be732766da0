// SPDX-License-Identifier: MIT
#include "core/collection/dvd_profiler_locations.h"

#include <algorithm>

#include "core/files/path_text.h"
#include "core/text/windows1252.h"

namespace ravello::collection {

std::optional<std::filesystem::path> coverFileOf(const std::filesystem::path& dvdProfilerFolder,
                                                 std::string_view profileId)
{
    // The ID comes from the export; it names a file only when it cannot climb or jump out of
    // the Images folder.
    if (profileId.empty() || profileId.find_first_of("/\\:") != std::string_view::npos ||
        profileId.find("..") != std::string_view::npos ||
        std::any_of(profileId.begin(), profileId.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        return std::nullopt;
    const std::string name = text::windows1252ToUtf8(profileId) + "f.jpg";
    return dvdProfilerFolder / "Images" / files::pathFromUtf8(name);
}

std::string folderOfChosenFile(std::string_view chosenPath)
{
    const std::size_t separator = chosenPath.find_last_of("/\\");
    if (separator == std::string_view::npos)
        return {};
    std::string_view folder = chosenPath.substr(0, separator);
    // "C:" alone is the current folder of drive C, and "" no folder at all: keep the root.
    const bool root = folder.empty() || (folder.size() == 2 && folder[1] == ':');
    if (root)
        folder = chosenPath.substr(0, separator + 1);
    return std::string(folder);
}

std::filesystem::path defaultDatabaseFolder(const std::filesystem::path& documentsFolder)
{
    if (documentsFolder.empty())
        return {};
    return documentsFolder / "DVD Profiler" / "Databases" / "Default";
}

} // namespace ravello::collection
