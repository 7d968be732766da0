// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/document_person.h"
#include "tests/support/temporary_folder.h"

namespace ravello::output {
namespace {

// The people of the sample export, as its import wrote them.
collection::PeopleTable samplePeople()
{
    return collection::PeopleTable::load(testing::fixturePath("collection/collection_people.txt"));
}

TEST(DocumentPerson, CollectionNamesThePeopleItKnows)
{
    const struct
    {
        std::string_view name; // as TMDb gives it
        int tmdbYear;
        std::optional<DocumentPerson> known;
    } cases[] = {
        // One entry: its parts and year, whatever TMDb says (a year of 0 too).
        {"Tom Skerritt", 0, DocumentPerson{{"Tom", "", "Skerritt"}, 1933}},
        {"Tom Skerritt", 1950, DocumentPerson{{"Tom", "", "Skerritt"}, 1933}},
        {"Carlo Ponti & Beauregard", 1912, DocumentPerson{{"Carlo", "", "Ponti & Beauregard"}, 0}},
        // Without case, accents or runs of spaces, retrieved as UTF-8 or not.
        {"HARRY  DEAN STANTON", 0, DocumentPerson{{"Harry", "Dean", "Stanton"}, 1926}},
        {"Jose Garcia", 0,
         DocumentPerson{{"Jos\xe9", "",
                         "Garc\xed"
                         "a"},
                        1962}},
        {"Jos\xc3\xa9 Garc\xc3\xad"
         "a",
         1970,
         DocumentPerson{{"Jos\xe9", "",
                         "Garc\xed"
                         "a"},
                        1962}},
        // Two ways of writing one name with one year: the first one's parts and the year.
        {"Rene Clement", 1920, DocumentPerson{{"Ren\xe9", "", "Cl\xe9ment"}, 1913}},
        // Several years: TMDb's year picks one, else the first one's parts with TMDb's year.
        {"Michel Piccoli", 1925, DocumentPerson{{"Michel", "", "Piccoli"}, 1925}},
        {"Michel Piccoli", 1930, DocumentPerson{{"Michel", "", "Piccoli"}, 1930}},
        {"Michel Piccoli", 0, DocumentPerson{{"Michel", "", "Piccoli"}, 0}},
        // Not in the table.
        {"Robert De Niro", 1943, std::nullopt},
        {"Harry Stanton", 0, std::nullopt},
        {"", 0, std::nullopt},
    };
    const collection::PeopleTable people = samplePeople();
    for (const auto& c : cases) {
        EXPECT_EQ(collectionPerson(people, c.name, c.tmdbYear), c.known) << c.name;
        const DocumentPerson written = documentPerson(&people, c.name, c.tmdbYear);
        EXPECT_EQ(written, c.known.value_or(DocumentPerson{splitName(c.name), c.tmdbYear}))
            << c.name;
        EXPECT_EQ(needsTmdbYear(&people, c.name), !c.known || c.name == "Michel Piccoli") << c.name;
    }
    EXPECT_EQ(documentPerson(nullptr, "Tom Skerritt", 1950),
              (DocumentPerson{{"Tom", "", "Skerritt"}, 1950}));
}

} // namespace
} // namespace ravello::output
