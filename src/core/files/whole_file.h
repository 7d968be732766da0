// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ravello::files {

// The bytes of a regular file; nothing when the path names no regular file (a folder, a
// missing file) or reading fails part-way. Never throws for such failures: the standard
// stream iterators throw on a read error, which would end the program.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

} // namespace ravello::files
