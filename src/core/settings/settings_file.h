// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

#include "core/settings/settings.h"

// Ravello.INI: a Windows INI file of sections and key=value lines.
namespace ravello::settings {

// Reads the file. A missing file, section or key gives the default; a number that is not
// one reads as its leading digits (0 when none); a language outside 0..4 means English.
Settings loadSettings(const std::filesystem::path& file);

// Writes every value, the database version as kDatabaseVersion, keeping any other entry the
// file holds. The file is replaced whole or not at all. False when it could not be written.
bool saveSettings(const std::filesystem::path& file, const Settings& settings);

} // namespace ravello::settings
