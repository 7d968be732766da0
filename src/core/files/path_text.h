// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ravello::files {

// Paths travel through settings and the command line as UTF-8 text. Every path made from text,
// and every text made from a path, goes through these two: std::filesystem's own conversions
// of char text use the ANSI code page on Windows.
std::filesystem::path pathFromUtf8(std::string_view text);
std::string utf8FromPath(const std::filesystem::path& path);

} // namespace ravello::files
