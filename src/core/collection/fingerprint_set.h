// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace ravello::collection {

// 128 bits standing for a text: two texts with the same fingerprint count as the same text.
// Among the million lines of an export the chance that two different ones share one is
// below 1 in 10^25.
struct Fingerprint
{
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprintOf(std::string_view text);

// The fingerprints seen so far, for telling the first sight of a text from a repeat when a
// million lines ask: a flat table of 16 bytes a slot, so a lookup touches one slot, and
// prefetch() lets a caller ask for that slot's memory a few lines ahead.
class FingerprintSet
{
public:
    FingerprintSet();

    // Asked a million times an import: here, where the compiler sees them.
    void prefetch(const Fingerprint& fingerprint) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&m_slots[fingerprint.low & (m_slots.size() - 1)]);
#else
        (void)fingerprint;
#endif
    }
    bool contains(const Fingerprint& fingerprint) const
    {
        return m_slots[slotOf(fingerprint)] != Fingerprint{};
    }
    // Adds the fingerprint; true when it was not there yet.
    bool insert(const Fingerprint& fingerprint);
    std::size_t size() const
    {
        return m_count;
    }

private:
    // The slot that holds the fingerprint, or the empty one where it would go.
    std::size_t slotOf(const Fingerprint& fingerprint) const
    {
        const std::size_t mask = m_slots.size() - 1;
        std::size_t at = fingerprint.low & mask;
        while (m_slots[at] != Fingerprint{} && m_slots[at] != fingerprint)
            at = (at + 1) & mask;
        return at;
    }
    void grow();

    std::vector<Fingerprint> m_slots; // a power of two of them, at most half full; 0 is empty
    std::size_t m_count = 0;
};

} // namespace ravello::collection
