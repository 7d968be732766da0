// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The people of a film's or a season's credits, read once from TMDb's answer: who they are to
// TMDb, their name as sent, and their part. Texts are JSON-decoded to UTF-8 and not yet
// normalised, as in the credit rows.
namespace ravello::tmdb {

struct CastMember
{
    std::int32_t personId = 0; // 0 when the answer gave none
    std::string name;
    std::string character;
    std::optional<int> order; // TMDb's billing order: sparse, and missing on some entries
    std::string photoPath;    // "null" when the person has no photo, as in the photo rows

    bool operator==(const CastMember&) const = default;
};

struct CrewMember
{
    std::int32_t personId = 0; // 0 when the answer gave none
    std::string name;
    std::string department;
    std::string job;
    std::string photoPath; // "null" when the person has no photo

    bool operator==(const CrewMember&) const = default;
};

} // namespace ravello::tmdb
