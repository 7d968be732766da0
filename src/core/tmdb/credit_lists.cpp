// SPDX-License-Identifier: MIT
#include "core/tmdb/credit_lists.h"

#include "core/tmdb/credit_member_json.h"
#include "core/tmdb/credit_rows.h"

namespace ravello::tmdb {
namespace {

// The person number of a photo row is the identifier as TMDb wrote it.
std::string identifierOf(const json::Document& entry)
{
    return json::textOf(entry, "id").value_or("");
}

void addCastEntry(const json::Document& entry, CreditLists& lists)
{
    CastMember member = castMemberOf(entry);
    lists.cast.push_back(formatCastRow({member.name, member.character}));
    lists.castPhoto.push_back(
        formatCastPhotoRow({identifierOf(entry), member.name, member.character, member.photoPath}));
    lists.castMembers.push_back(std::move(member));
}

void addCrewEntry(const json::Document& entry, CreditLists& lists)
{
    CrewMember member = crewMemberOf(entry);
    lists.crew.push_back(formatCrewRow({member.name, member.department, member.job}));
    lists.crewPhoto.push_back(formatCrewPhotoRow(
        {identifierOf(entry), member.name, member.department, member.job, member.photoPath}));
    lists.crewMembers.push_back(std::move(member));
}

template <typename AddEntry>
void addEntries(const json::Document& document, const char* array, AddEntry addEntry,
                CreditLists& lists)
{
    const auto entries = document.find(array);
    if (entries == document.end() || !entries->is_array())
        return;
    for (const json::Document& entry : *entries) {
        if (entry.is_object())
            addEntry(entry, lists);
    }
}

} // namespace

CreditLists readCreditLists(std::string_view credits)
{
    CreditLists lists;
    const auto document = json::parse(credits);
    if (!document || !document->is_object())
        return lists;
    addEntries(*document, "cast", addCastEntry, lists);
    addEntries(*document, "crew", addCrewEntry, lists);
    return lists;
}

} // namespace ravello::tmdb
