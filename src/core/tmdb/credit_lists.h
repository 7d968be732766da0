// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/tmdb/credit_members.h"

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
    // The people the rows show, in the same order, for the documents: a film's lists hold one
    // row a person; a season's lists leave these empty (its documents read the season).
    std::vector<CastMember> castMembers;
    std::vector<CrewMember> crewMembers;

    bool operator==(const CreditLists&) const = default;
};

// One cast row, one cast photo row and one cast member per element of "cast", the same of
// "crew", in the order of the arrays, each from its own element. The
// person number is the identifier in decimal; a null photo path is the text "null". A
// document that is not JSON, or lacks an array, gives no rows for it.
CreditLists readCreditLists(std::string_view credits);

} // namespace ravello::tmdb
