// SPDX-License-Identifier: MIT
#include "core/tmdb/credit_lists.h"

#include "core/tmdb/credit_rows.h"
#include "core/tmdb/json_document.h"

namespace ravello::tmdb {
namespace {

std::string textOf(const json::Document& entry, const char* key)
{
    return json::textOf(entry, key).value_or("");
}

// A person without a photo keeps the text null in the photo column, as the photo handlers
// expect.
std::string photoOf(const json::Document& entry)
{
    return json::textOf(entry, "profile_path", "null").value_or("null");
}

void addCastEntry(const json::Document& entry, CreditLists& lists)
{
    const std::string name = textOf(entry, "name");
    const std::string character = textOf(entry, "character");
    lists.cast.push_back(tmdb::formatCastRow({name, character}));
    lists.castPhoto.push_back(
        tmdb::formatCastPhotoRow({textOf(entry, "id"), name, character, photoOf(entry)}));
}

void addCrewEntry(const json::Document& entry, CreditLists& lists)
{
    const std::string name = textOf(entry, "name");
    const std::string department = textOf(entry, "department");
    const std::string job = textOf(entry, "job");
    lists.crew.push_back(tmdb::formatCrewRow({name, department, job}));
    lists.crewPhoto.push_back(
        tmdb::formatCrewPhotoRow({textOf(entry, "id"), name, department, job, photoOf(entry)}));
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
