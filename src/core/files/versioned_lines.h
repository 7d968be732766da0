// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

namespace ravello::files {

// Reads a table file whose first line names its format and version ("RavelloProfileMatches\t1"):
// gives `take` each line after that first one, its line end (LF or CR LF) removed. False, with
// nothing given, when the file is missing or unreadable or begins with another line: the
// program's tables are then read as empty, and an older or newer program's file is left alone.
bool readVersionedLines(const std::filesystem::path& file, std::string_view versionLine,
                        const std::function<void(std::string_view line)>& take);

} // namespace ravello::files
