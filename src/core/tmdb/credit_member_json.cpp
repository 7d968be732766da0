// SPDX-License-Identifier: MIT
#include "core/tmdb/credit_member_json.h"

namespace ravello::tmdb {
namespace {

std::string textOf(const json::Document& entry, const char* key)
{
    return json::textOf(entry, key).value_or("");
}

std::string photoOf(const json::Document& entry)
{
    return json::textOf(entry, "profile_path", "null").value_or("null");
}

std::optional<int> orderOf(const json::Document& entry)
{
    const auto order = entry.find("order");
    if (order == entry.end() || !order->is_number())
        return std::nullopt;
    return json::integerOf(entry, "order");
}

} // namespace

CastMember castMemberOf(const json::Document& entry)
{
    return {json::integerOf(entry, "id"), textOf(entry, "name"), textOf(entry, "character"),
            orderOf(entry), photoOf(entry)};
}

CrewMember crewMemberOf(const json::Document& entry)
{
    return {json::integerOf(entry, "id"), textOf(entry, "name"), textOf(entry, "department"),
            textOf(entry, "job"), photoOf(entry)};
}

} // namespace ravello::tmdb
