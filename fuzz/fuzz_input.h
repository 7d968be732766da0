// SPDX-License-Identifier: MIT
#pragma once

// Helpers shared by the fuzz targets: the input as text, cut into parts, and a scratch folder
// of the fuzzing process for the targets that read files.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace ravello::fuzz {

inline std::string_view textOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every byte 0xFF: lets one input carry several texts, or one text in pieces.
inline std::vector<std::string> partsOf(std::string_view text)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (static_cast<unsigned char>(c) == 0xFF)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// A folder of this process's own under the system's temporary folder, made once.
inline const std::filesystem::path& scratchFolder()
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("ravello-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Stops the fuzzer with a report when a property of the code under test does not hold.
inline void check(bool holds)
{
    if (!holds)
        __builtin_trap();
}

} // namespace ravello::fuzz
