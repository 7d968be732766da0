// SPDX-License-Identifier: MIT
#pragma once

#include "core/tmdb/credit_members.h"
#include "core/tmdb/json_document.h"

// The people of TMDb's credits arrays, read the same way for films and seasons.
namespace ravello::tmdb {

// An element of a cast or guest_stars array, and of a crew array. TMDb leaves "order" out of
// some guest entries; a person without a photo keeps the text null.
CastMember castMemberOf(const json::Document& entry);
CrewMember crewMemberOf(const json::Document& entry);

} // namespace ravello::tmdb
