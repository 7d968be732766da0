// SPDX-License-Identifier: MIT
#include "core/collection/fingerprint_set.h"

#include <bit>
#include <cstring>

namespace ravello::collection {
namespace {

constexpr std::size_t kFirstSlots = std::size_t{1} << 12;

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;

// The final mix of MurmurHash3: every bit of the result depends on every bit of `h`.
std::uint64_t avalanche(std::uint64_t h)
{
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ULL;
    h ^= h >> 33;
    return h;
}

// Two lanes over the same 8-byte words, each with its own way in and its own constant, one
// multiplication a word each: the two chains run side by side.
void mixWord(Fingerprint& state, std::uint64_t word)
{
    state.high = std::rotl(state.high ^ word, 29) * kPrime1;
    state.low = std::rotl(state.low + word, 31) * kPrime2;
}

} // namespace

Fingerprint fingerprintOf(std::string_view text)
{
    Fingerprint state{kPrime3 ^ text.size(), kPrime1 + text.size()};
    std::size_t at = 0;
    for (; at + 8 <= text.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, 8);
        mixWord(state, word);
    }
    // The bytes left over. A text of eight bytes or more gives its last eight, in one load;
    // mixing some of its bytes twice is harmless.
    std::uint64_t tail = 0;
    if (text.size() >= 8 && at < text.size())
        std::memcpy(&tail, text.data() + text.size() - 8, 8);
    for (std::size_t shift = 0; text.size() < 8 && at < text.size(); ++at, shift += 8)
        tail |= std::uint64_t{static_cast<unsigned char>(text[at])} << shift;
    mixWord(state, tail);
    Fingerprint result{avalanche(state.high), avalanche(state.low)};
    // All zero marks an empty slot.
    if (result == Fingerprint{})
        result.low = 1;
    return result;
}

FingerprintSet::FingerprintSet() : m_slots(kFirstSlots) {}

bool FingerprintSet::insert(const Fingerprint& fingerprint)
{
    Fingerprint& slot = m_slots[slotOf(fingerprint)];
    if (slot != Fingerprint{})
        return false;
    slot = fingerprint;
    if (++m_count * 2 > m_slots.size())
        grow();
    return true;
}

// Doubles the table and places every fingerprint again.
void FingerprintSet::grow()
{
    std::vector<Fingerprint> old(m_slots.size() * 2);
    old.swap(m_slots);
    for (const Fingerprint& fingerprint : old) {
        if (fingerprint != Fingerprint{})
            m_slots[slotOf(fingerprint)] = fingerprint;
    }
}

} // namespace ravello::collection
