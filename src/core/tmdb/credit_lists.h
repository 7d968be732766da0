// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The rows of the four credit lists of a film, from its credits document, laid out as the
// output area's credit rows. Texts are as TMDb sent them, JSON-decoded to UTF-8 and not yet
// normalised: painting and the documents built from the rows normalise them.
namespace ravello::tmdb {

struct CreditLists
{
    std::vector<std::string> cast;      // LST_CastMDB: name, character
    std::vector<std::string> crew;      // LST_CrewMDB: name, department, job
    std::vector<std::string> castPhoto; // LST_CastMDB2: person, name, character | photo
    std::vector<std::string> crewPhoto; // LST_CrewMDB2: person, name, department, job | photo

    bool operator==(const CreditLists&) const = default;
};

// One cast row and one cast photo row per element of "cast", one crew row and one crew photo
// row per element of "crew", in the order of the arrays, each from its own element. The
// person number is the identifier in decimal; a null photo path is the text "null". A
// document that is not JSON, or lacks an array, gives no rows for it.
CreditLists readCreditLists(std::string_view credits);

} // namespace ravello::tmdb
