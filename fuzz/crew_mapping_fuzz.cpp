// SPDX-License-Identifier: MIT
// The crew mapping reader on any bytes as CrewMapping.txt (the first part of the input): rules
// it read are written and read back the same, and map the departments and jobs of the other
// parts; a text it refuses names a fault.
#include "core/output/crew_mapping_text.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    const std::vector<std::string> parts = fuzz::partsOf(fuzz::textOf(data, size));
    const output::CrewMappingReading reading = output::readCrewMapping(parts.front());
    if (!reading.mapping) {
        fuzz::check(reading.error.line >= 0 && !reading.error.message.empty());
        return 0;
    }
    const output::CrewMappingReading again =
        output::readCrewMapping(output::writeCrewMappingFile(*reading.mapping));
    fuzz::check(again.mapping && *again.mapping == *reading.mapping);
    const output::CrewGroups groups{(size & 1) != 0, (size & 2) != 0, (size & 4) != 0,
                                    (size & 8) != 0};
    for (std::size_t part = 1; part + 1 < parts.size(); part += 2)
        (void)reading.mapping->map(parts[part], parts[part + 1], groups);
    return 0;
}
