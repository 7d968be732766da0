// SPDX-License-Identifier: MIT
// The cast and crew documents from any credits answer and from any list rows: the people the
// credits answer gives, and people as a list's rows could name them. The first byte picks the
// crew groups.
#include "core/output/credit_documents.h"
#include "core/output/photo_cache.h"
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/credit_rows.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace ravello;

void buildBoth(const output::FilmSubject& film, const output::DocumentChoices& choices)
{
    const output::CreditDocuments documents(film, choices);
    (void)documents.peopleToAsk(output::DocumentKind::Cast);
    (void)documents.peopleToAsk(output::DocumentKind::Crew);
    (void)documents.cast();
    (void)documents.crew();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const output::DocumentChoices choices{
        output::CrewMapping::builtIn(),
        {(data[0] & 1) != 0, (data[0] & 2) != 0, (data[0] & 4) != 0, (data[0] & 8) != 0}};
    const std::string_view input = fuzz::textOf(data + 1, size - 1);
    const std::vector<std::string> parts = fuzz::partsOf(input);
    const std::string& title = parts.front();

    const tmdb::CreditLists lists = tmdb::readCreditLists(input);
    buildBoth({title, lists.castMembers, lists.crewMembers}, choices);

    std::vector<tmdb::CastMember> cast;
    std::vector<tmdb::CrewMember> crew;
    for (auto row = parts.begin() + 1; row != parts.end(); ++row) {
        const tmdb::CastRow castRow = tmdb::readCastRow(*row);
        const tmdb::CrewRow crewRow = tmdb::readCrewRow(*row);
        const output::PhotoRequest person = output::photoRequestFromCastRow(*row);
        (void)output::photoRequestFromCrewRow(*row);
        cast.push_back({person.personNumber, castRow.name, castRow.character, {}, "null"});
        crew.push_back(
            {person.personNumber, crewRow.name, crewRow.department, crewRow.job, "null"});
    }
    buildBoth({title, cast, crew}, choices);
    return 0;
}
