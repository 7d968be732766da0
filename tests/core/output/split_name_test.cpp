// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/output/split_name.h"

namespace ravello::output {
namespace {

struct SplitCase
{
    std::string_view name;
    std::string_view first;
    std::string_view middle;
    std::string_view last;
};

const SplitCase kCases[] = {
    // One word, and stage names with "The" after the first word, are all first name.
    {"Zendaya", "Zendaya", "", ""},
    {"Cher ", "Cher", "", ""},
    {"Cedric The Entertainer", "Cedric The Entertainer", "", ""},
    {"Cedric the  Entertainer", "Cedric the Entertainer", "", ""},
    {"Triple H The Game", "Triple H The Game", "", ""},
    {"The Rock", "The", "", "Rock"},
    {"Theo James", "Theo", "", "James"},
    // Two words; runs of spaces count as one.
    {"Jean Reno", "Jean", "", "Reno"},
    {"Jean  Reno", "Jean", "", "Reno"},
    {" Jean Reno  ", "Jean", "", "Reno"},
    // No particle: the last word is the last name, the words before it the middle name.
    {"Samuel L. Jackson", "Samuel", "L.", "Jackson"},
    {"Anna Maria Credenzone Philip", "Anna", "Maria Credenzone", "Philip"},
    {"A  B  C  D", "A", "B C", "D"},
    // The last name starts at the first particle after the first word, in any case.
    {"Robert De Niro", "Robert", "", "De Niro"},
    {"Timothy Van Patten", "Timothy", "", "Van Patten"},
    {"Jean-Claude van Damme", "Jean-Claude", "", "van Damme"},
    {"Maria de los Angeles", "Maria", "", "de los Angeles"},
    {"Olivia de Havilland", "Olivia", "", "de Havilland"},
    {"Erich VON Stroheim", "Erich", "", "VON Stroheim"},
    {"Jill St. John", "Jill", "", "St. John"},
    {"Jos\xe9 Ortega y Gasset", "Jos\xe9", "Ortega", "y Gasset"},
    {"Anna Maria Della Costa", "Anna", "Maria", "Della Costa"},
    {"Rutger Hauer van der Berg", "Rutger", "Hauer", "van der Berg"},
    // A particle opening the name is a first name.
    {"Van Johnson", "Van", "", "Johnson"},
    {"Del Shores Benicio Del Toro", "Del", "Shores Benicio", "Del Toro"},
    // Particles are whole words: a last name that begins like one is not cut.
    {"Leonardo DiCaprio", "Leonardo", "", "DiCaprio"},
    {"Ali MacGraw", "Ali", "", "MacGraw"},
    // A suffix stays with the last name, with or without a particle before it.
    {"Sammy Davis Jr.", "Sammy", "", "Davis Jr."},
    {"Martin Luther King Jr", "Martin", "Luther", "King Jr"},
    {"Louis Gossett Sr.", "Louis", "", "Gossett Sr."},
    {"John Smith III", "John", "", "Smith III"},
    {"Jean de la Fontaine iv", "Jean", "", "de la Fontaine iv"},
    {"Harry Connick JR.", "Harry", "", "Connick JR."},
    {"Thomas Van Dyke V", "Thomas", "", "Van Dyke V"},
    // After one word a suffix is the last name itself.
    {"Sammy Jr.", "Sammy", "", "Jr."},
    {"", "", "", ""},
    {"   ", "", "", ""},
    // Only the space separates words; a tab stays inside the word.
    {"Jean\tReno", "Jean\tReno", "", ""},
    // Accented letters are text, as retrieved and in Windows-1252.
    {"Anna \xc9lise Martin", "Anna", "\xc9lise", "Martin"},
    {"Anna \xc3\x89lise Martin", "Anna", "\xc3\x89lise", "Martin"},
    {"Fran\xc3\xa7ois de La Rochefoucauld", "Fran\xc3\xa7ois", "", "de La Rochefoucauld"},
};

TEST(splitName, SplitsAsDvdProfilerUsersDo)
{
    for (const SplitCase& c : kCases) {
        const PersonName name = splitName(c.name);
        EXPECT_EQ(name.first, c.first) << '"' << c.name << '"';
        EXPECT_EQ(name.middle, c.middle) << '"' << c.name << '"';
        EXPECT_EQ(name.last, c.last) << '"' << c.name << '"';
    }
}

} // namespace
} // namespace ravello::output
