// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/title_index.h"

// The items of the title combo: one list text per record, "00012|001 Alien", whose first ten
// characters are the key and the rest the title as shown.
namespace ravello::collection {

inline constexpr std::size_t kMaxTitleListItems = 100;
inline constexpr std::size_t kListKeyLength = 10;

// The list texts of the first 100 records, in index order, whose search text (see
// TitleSearch) holds the upper-cased search box text; every record matches an empty one.
// So a title is found by any part of its title, by the start of its original title and by
// its five-digit collection number.
std::vector<std::string> fillTitleList(const TitleIndex& index, std::string_view searchText);

// Columns 1 to 9 of the record, a space and the first 99 characters of its title, trailing
// blanks removed.
std::string listTextOf(std::string_view record);

// What the combo draws and what a choice writes into the search box: the list text without
// its first ten characters (a text of ten characters or fewer stays whole).
std::string shownTitleOf(std::string_view listText);

// The collection number (columns 1 to 5) and occurrence (columns 7 to 9) of a list text.
struct ListKey
{
    int collectionNumber = 0;
    int occurrence = 0;
};
ListKey listKeyOf(std::string_view listText);

} // namespace ravello::collection
