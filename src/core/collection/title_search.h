// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ravello::collection {

// The texts the title filter searches, one per index record, upper-cased once when the index
// is loaded so that a keystroke costs one pass over them. A record's search text is its
// columns 1 to 9, a space, then columns 56 to 251 (the title column, its bar and the start
// of the original title).
class TitleSearch
{
public:
    TitleSearch() = default;
    explicit TitleSearch(const std::vector<std::string>& records);

    // Positions of the first `limit` records, in index order, whose search text holds the
    // upper-cased filter; every record matches an empty filter.
    std::vector<std::size_t> find(std::string_view upperFilter, std::size_t limit) const;

    // The search text of a record, not upper-cased.
    static std::string searchTextOf(std::string_view record);

private:
    std::size_t rarestByte(std::string_view filter) const;

    std::string m_texts;                         // every search text, one after the other
    std::vector<std::size_t> m_offsets;          // where each one begins, and the end of the last
    std::array<std::size_t, 256> m_byteCounts{}; // how often each byte occurs in m_texts
};

} // namespace ravello::collection
