// SPDX-License-Identifier: MIT
#include "core/files/whole_file.h"

#include <array>
#include <fstream>
#include <system_error>

namespace ravello::files {

std::optional<std::string> readWholeFile(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    // istream::read turns an error of the underlying buffer into badbit instead of throwing.
    std::string bytes;
    std::array<char, std::size_t{64} * 1024> block;
    while (in.read(block.data(), block.size()) || in.gcount() > 0)
        bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    return bytes;
}

} // namespace ravello::files
