// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/english_details.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/temporary_folder.h"

namespace ravello::tmdb {
namespace {

using testing::fixturePath;
using testing::readFileBytes;

// Film 4325 in Italian, which has no overview, with these translations appended.
std::string untranslatedWith(const std::string& translations)
{
    return testing::withAppended(readFileBytes(fixturePath("tmdb/movie/4325.it-IT.json")),
                                 "translations", translations);
}

struct TranslationsCase
{
    const char* name;
    const char* translations;
    const char* english; // the English details, or nullptr for none
};

const TranslationsCase kCases[] = {
    {"British English alone", R"({"translations":[{"iso_3166_1":"GB","iso_639_1":"en",
        "data":{"overview":"Its colour is grey."}}]})",
     R"({"id":4325,"overview":"Its colour is grey."})"},
    {"an empty American overview gives way", R"({"translations":[
        {"iso_3166_1":"US","iso_639_1":"en","data":{"overview":""}},
        {"iso_3166_1":"AU","iso_639_1":"en","data":{"overview":"G'day & <b>hi</b>"}}]})",
     R"({"id":4325,"overview":"G'day & <b>hi</b>"})"},
    {"accents and escapes stay", R"({"translations":[{"iso_3166_1":"US","iso_639_1":"en",
        "data":{"overview":"Am\u00e9lie says \"hi\"\\\r\nbye"}}]})",
     "{\"id\":4325,\"overview\":\"Am\xC3\xA9lie says \\\"hi\\\"\\\\\\r\\nbye\"}"},
    {"null overview, no data, a number", R"({"translations":[
        {"iso_3166_1":"US","iso_639_1":"en","data":{"overview":null}},
        {"iso_3166_1":"GB","iso_639_1":"en"}, 7,
        {"iso_3166_1":"NZ","iso_639_1":"en","data":[]}]})",
     R"({"id":4325,"overview":""})"},
    {"no English translation", R"({"translations":[{"iso_3166_1":"FR","iso_639_1":"fr",
        "data":{"overview":"R\u00e9sum\u00e9"}}]})",
     R"({"id":4325,"overview":""})"},
    {"an empty list", R"({"translations":[]})", R"({"id":4325,"overview":""})"},
    {"a null list", R"({"translations":null})", nullptr},
    {"a list in place of the object", R"([{"iso_639_1":"en","data":{"overview":"x"}}])", nullptr},
};

TEST(EnglishDetails, TakesTheOverviewOfTheEnglishTranslation)
{
    EXPECT_EQ(englishDetailsOf(untranslatedWith(
                  readFileBytes(fixturePath("tmdb/movie/4325_translations.json")))),
              R"({"id":4325,"overview":"A film nobody has translated yet: this is its English )"
              R"(overview."})")
        << "the American one before the British one";
    for (const TranslationsCase& test : kCases) {
        SCOPED_TRACE(test.name);
        const auto english = englishDetailsOf(untranslatedWith(test.translations));
        if (test.english)
            EXPECT_EQ(english, test.english);
        else
            EXPECT_FALSE(english) << *english;
    }
}

TEST(EnglishDetails, GivesNothingForDetailsWithAnOverviewOrNoFilm)
{
    const std::string translations =
        readFileBytes(fixturePath("tmdb/movie/4325_translations.json"));
    EXPECT_FALSE(englishDetailsOf(testing::withAppended(
        readFileBytes(fixturePath("tmdb/movie/4325.json")), "translations", translations)));
    EXPECT_FALSE(
        englishDetailsOf(testing::withAppended(R"({"id":4325})", "translations", translations)))
        << "details without an overview at all";
    EXPECT_FALSE(englishDetailsOf(testing::withAppended(R"({"status_code":34,"overview":""})",
                                                        "translations", translations)));
    EXPECT_FALSE(englishDetailsOf(readFileBytes(fixturePath("tmdb/movie/4325.it-IT.json"))));
    EXPECT_FALSE(englishDetailsOf("{\"id\":4325,\"overview\":\"\",\"translations\":"));
}

} // namespace
} // namespace ravello::tmdb
