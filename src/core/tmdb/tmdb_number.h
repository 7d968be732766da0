// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace ravello::tmdb {

// A TMDb film or person number as the program writes it in result lines and cache file
// names: at least seven digits, zero-padded ("0000550").
inline std::string sevenDigits(std::int32_t number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%07d", static_cast<int>(number));
    return text;
}

// The folder of a cache's buckets of a thousand: the number / 1000, four digits ("0004").
inline std::string bucketName(std::int32_t number)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", static_cast<int>(number / 1000));
    return text;
}

} // namespace ravello::tmdb
