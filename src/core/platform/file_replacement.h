// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <system_error>

namespace ravello::platform {

// Gives the file `from` the name `to` in one step, replacing the file of that name if there is
// one: a reader opening `to` finds the old file or the new one whole. Both names are in the
// same folder. On failure `to` is left as it was and `from` is still there.
//
// On Windows a file that another program holds open without letting it be deleted (as the C
// runtime opens files) cannot be replaced; the replacement is tried again for about a second,
// long enough for a virus scanner or an indexer, then given up with the system's error. A
// program that holds the file for longer keeps its old content.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace ravello::platform
