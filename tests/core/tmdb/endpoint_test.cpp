// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/endpoint.h"

namespace ravello::tmdb {
namespace {

TEST(Endpoint, PercentEncodesTheSearchTextAndLanguage)
{
    const Endpoint endpoint("https://api.example", "https://img.example", "k3y0123456", "pt BR&x");
    EXPECT_EQ(endpoint.searchRequest("Tom & Jerry #1/2+3?").url,
              "https://api.example/3/search/movie?api_key=k3y0123456&language=pt%20BR%26x"
              "&query=Tom%20%26%20Jerry%20%231%2F2%2B3%3F");
    EXPECT_TRUE(endpoint.searchRequest("Am\xC3\xA9lie").url.ends_with("&query=Am%C3%A9lie"));
    EXPECT_EQ(percentEncode("AZaz09-._~ %"), "AZaz09-._~%20%25");
}

TEST(Endpoint, BuildsTheFilmRequestsWithTheKey)
{
    const Endpoint endpoint("https://api.example", "https://img.example", "k3y0123456", "it-IT");
    EXPECT_EQ(endpoint.detailsRequest(4321).url,
              "https://api.example/3/movie/4321?api_key=k3y0123456&language=it-IT"
              "&append_to_response=translations");
    EXPECT_EQ(endpoint.detailsRequest(4321, "en-US").url,
              "https://api.example/3/movie/4321?api_key=k3y0123456&language=en-US");
    EXPECT_EQ(endpoint.seasonRequest(4401, 2).url,
              "https://api.example/3/tv/4401/season/2?api_key=k3y0123456&language=it-IT"
              "&append_to_response=credits,translations");
    for (const char* english : {"en", "en-US", "en-GB"}) {
        const Endpoint inEnglish("https://api.example", "https://img.example", "k3y0123456",
                                 english);
        EXPECT_EQ(inEnglish.detailsRequest(4321).url.find("append_to_response"), std::string::npos)
            << english;
        EXPECT_TRUE(inEnglish.seasonRequest(4401, 2).url.ends_with("&append_to_response=credits"))
            << english;
    }
    EXPECT_EQ(endpoint.creditsRequest(4321).url,
              "https://api.example/3/movie/4321/credits?api_key=k3y0123456");
    EXPECT_TRUE(endpoint.detailsRequest(4321).bearerToken.empty());
    EXPECT_FALSE(endpoint.usesBearerToken());
}

TEST(Endpoint, SendsAKeyWithADotAsBearerTokenOnly)
{
    const Endpoint endpoint("https://api.example", "https://img.example", "eyJh.eyJz.sig", "en-US");
    EXPECT_TRUE(endpoint.usesBearerToken());
    const Request credits = endpoint.creditsRequest(7);
    EXPECT_EQ(credits.url, "https://api.example/3/movie/7/credits");
    EXPECT_EQ(credits.bearerToken, "eyJh.eyJz.sig");
    EXPECT_EQ(endpoint.searchRequest("x").url,
              "https://api.example/3/search/movie?language=en-US&query=x");
}

TEST(Endpoint, MakesImageUrlsFromPathsAsTmdbSendsThem)
{
    const Endpoint endpoint("https://api.example", "https://img.example", "k3y0123456", "en-US");
    EXPECT_EQ(endpoint.imageUrl("/abc.jpg"), "https://img.example/t/p/original/abc.jpg");
    EXPECT_EQ(endpoint.imageUrl("/a b#.jpg"), "https://img.example/t/p/original/a%20b%23.jpg");
}

TEST(Endpoint, TellsAKeyTooShortToBeOne)
{
    EXPECT_FALSE(Endpoint("a", "b", "123456789", "en").hasUsableKey());
    EXPECT_TRUE(Endpoint("a", "b", "1234567890", "en").hasUsableKey());
}

TEST(Endpoint, TakesItsHostsFromTheEntryPointsOverrides)
{
    settings::Settings settings;
    settings.tmdbKey = "user-key-0123";
    settings.tmdbLanguage = "de-DE";
    const Endpoint mirrored = Endpoint::fromSettings(
        settings, Hosts::withOverrides("http://127.0.0.1:8080/", "http://127.0.0.1:8081"));
    EXPECT_EQ(mirrored.apiHost(), "http://127.0.0.1:8080");
    EXPECT_EQ(mirrored.imageHost(), "http://127.0.0.1:8081");
    EXPECT_EQ(mirrored.key(), "user-key-0123");
    EXPECT_EQ(mirrored.language(), "de-DE");
    const Endpoint direct = Endpoint::fromSettings(settings, Hosts::withOverrides("", ""));
    EXPECT_EQ(direct.apiHost(), "https://api.themoviedb.org");
    EXPECT_EQ(direct.imageHost(), "https://image.tmdb.org");
}

} // namespace
} // namespace ravello::tmdb
