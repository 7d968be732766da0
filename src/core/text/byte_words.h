// SPDX-License-Identifier: MIT
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

// Eight bytes of a text at a time, for the scans that look for a few byte values where they
// are rare: a word's bytes are tested together instead of one by one.
namespace ravello::text {

using ByteWord = std::uint64_t;
inline constexpr std::size_t kWordBytes = sizeof(ByteWord);

// The eight bytes from `at`, the first in the lowest bits whatever the machine's byte order.
inline ByteWord loadWord(const char* at)
{
    ByteWord word = 0;
    std::memcpy(&word, at, kWordBytes);
    if constexpr (std::endian::native == std::endian::big) {
        ByteWord reversed = 0;
        for (std::size_t byte = 0; byte < kWordBytes; ++byte, word >>= 8)
            reversed = (reversed << 8) | (word & 0xFF);
        word = reversed;
    }
    return word;
}

// The eight bytes from `at` as loadWord gives them, those from `end` on taken as 0.
inline ByteWord loadWordBefore(const char* at, const char* end)
{
    const auto left = static_cast<std::size_t>(end - at);
    if (left >= kWordBytes)
        return loadWord(at);
    ByteWord word = 0;
    for (std::size_t byte = 0; byte < left; ++byte)
        word |= ByteWord{static_cast<unsigned char>(at[byte])} << (8 * byte);
    return word;
}

// The high bit of every byte of `word` that equals `byte`, and no other bit. Exact, as no step
// carries from one byte into the next.
constexpr ByteWord bytesEqualTo(ByteWord word, unsigned char byte)
{
    constexpr ByteWord kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    const ByteWord zeroed = word ^ (0x0101010101010101ULL * byte); // the bytes sought are 0
    return ~(((zeroed & kLow7) + kLow7) | zeroed | kLow7);
}

// The high bit of every byte of `word` from 0x80 up.
constexpr ByteWord highBytes(ByteWord word)
{
    return word & 0x8080808080808080ULL;
}

// Where in its word the first byte stands whose high bit `marks` sets; `marks` is not 0.
constexpr std::size_t firstMarkedByte(ByteWord marks)
{
    return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
}

} // namespace ravello::text
