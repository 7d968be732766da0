// SPDX-License-Identifier: MIT
#include "core/files/versioned_lines.h"

#include <string>

#include "core/files/whole_file.h"

namespace ravello::files {

bool readVersionedLines(const std::filesystem::path& file, std::string_view versionLine,
                        const std::function<void(std::string_view line)>& take)
{
    const std::optional<std::string> bytes = readWholeFile(file);
    if (!bytes)
        return false;
    std::string_view rest = *bytes;
    bool first = true;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (!first)
            take(line);
        else if (line != versionLine)
            return false;
        first = false;
    }
    return !first;
}

} // namespace ravello::files
