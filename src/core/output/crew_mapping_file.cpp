// SPDX-License-Identifier: MIT
#include "core/output/crew_mapping_file.h"

#include <system_error>

#include "core/files/atomic_file.h"
#include "core/files/whole_file.h"

namespace ravello::output {
namespace fs = std::filesystem;

LoadedCrewMapping loadCrewMapping(const fs::path& file)
{
    const CrewMapping& builtIn = CrewMapping::builtIn();
    std::error_code error;
    if (!fs::exists(file, error) && !error) {
        fs::create_directories(file.parent_path(), error);
        if (files::writeFileAtomically(file, writeCrewMappingFile(builtIn)))
            return {builtIn, std::nullopt};
        return {builtIn, crewMappingError(0, CrewMappingErrorKind::FileNotWritten)};
    }
    const auto text = files::readWholeFile(file);
    if (!text)
        return {builtIn, crewMappingError(0, CrewMappingErrorKind::FileNotRead)};
    CrewMappingReading reading = readCrewMapping(*text);
    if (!reading.mapping)
        return {builtIn, std::move(reading.error)};
    return {std::move(*reading.mapping), std::nullopt};
}

} // namespace ravello::output
