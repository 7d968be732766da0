// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>

#include "core/settings/settings.h"

namespace ravello::collection {

// The file's last-write time in local time, to the second; nothing when the file does not
// exist or its time cannot be read.
std::optional<settings::ExportStamp> readExportTimestamp(const std::filesystem::path& file);

// True when the export file's time differs from the stamp of the last import (a stamp of 99s
// means no import is on record). False when the file's time cannot be read, so a missing
// export never asks for an import.
bool exportChanged(const std::filesystem::path& exportFile, const settings::ExportStamp& stamp);

} // namespace ravello::collection
