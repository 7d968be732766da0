// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings/settings.h"

namespace ravello::tmdb {

// One request as the fetcher sends it: the whole URL and, for a v4 read-access token, the
// token to send as "Authorization: Bearer" (empty for none).
struct Request
{
    std::string url;
    std::string bearerToken;
};

// Where the API and the pictures are: TMDb's own hosts unless the program was started with
// others (the tests' fake server, the offline demo) in these environment variables, which the
// entry points read.
inline constexpr const char* kDefaultApiHost = "https://api.themoviedb.org";
inline constexpr const char* kDefaultImageHost = "https://image.tmdb.org";
inline constexpr const char* kApiHostVariable = "RAVELLO_TMDB_API_URL";
inline constexpr const char* kImageHostVariable = "RAVELLO_TMDB_IMAGE_URL";

struct Hosts
{
    std::string api = kDefaultApiHost;
    std::string image = kDefaultImageHost;

    // The given hosts, TMDb's own in place of an empty one, without trailing slashes (every
    // path starts with one).
    static Hosts withOverrides(std::string_view api, std::string_view image);
};

// Where TMDb is and how to ask it: the API and image hosts (scheme, host, optional port), the
// key and the language tag of the answers. A key that contains a '.' is a v4 read-access
// token: it travels as a bearer header and the URLs carry no api_key.
class Endpoint
{
public:
    Endpoint(std::string apiHost, std::string imageHost, std::string key, std::string language);

    // The hosts with the effective key and the TMDb language of the settings.
    static Endpoint fromSettings(const settings::Settings& settings, const Hosts& hosts);

    const std::string& apiHost() const { return m_apiHost; }
    const std::string& imageHost() const { return m_imageHost; }
    const std::string& key() const { return m_key; }
    const std::string& language() const { return m_language; }
    void setLanguage(std::string language) { m_language = std::move(language); }

    bool usesBearerToken() const;
    // TMDb keys are 32 characters and tokens longer; anything under 10 cannot be one.
    bool hasUsableKey() const { return m_key.size() >= 10; }

    // The movie search for a UTF-8 text, in the endpoint's language.
    Request searchRequest(std::string_view utf8Text) const;
    // The details in the endpoint's language; in any other than English with the film's
    // translations appended ("translations": {"translations": [...]}).
    Request detailsRequest(std::int32_t filmId) const;
    // The details alone in another language than the endpoint's, such as English for a film
    // that has no overview in the user's language.
    Request detailsRequest(std::int32_t filmId, std::string_view language) const;
    // True when the endpoint asks for English answers (en, en-US, en-GB...).
    bool asksInEnglish() const;
    Request creditsRequest(std::int32_t filmId) const;
    // A person's details, among them the birthday.
    Request personRequest(std::int32_t personId) const;
    // TMDb's TV search for a UTF-8 text, in the endpoint's language.
    Request tvSearchRequest(std::string_view utf8Text) const;
    // A TV show's details: its names, creators and the list of its seasons.
    Request showRequest(std::int32_t showId) const;
    // A season of a show with its episodes and, appended, the season's regular cast and crew;
    // in any other language than English with the season's translations appended too.
    Request seasonRequest(std::int32_t showId, int seasonNumber) const;
    // The season alone (no credits) in another language than the endpoint's, such as English
    // for a season without an overview in the user's language.
    Request seasonOverviewRequest(std::int32_t showId, int seasonNumber,
                                  std::string_view language) const;
    // The image host's URL of the original size of a poster or profile path as TMDb sends it
    // ("/abc.jpg", leading slash included).
    std::string imageUrl(std::string_view path) const;

private:
    Request apiRequest(const std::string& path, const std::string& query) const;

    std::string m_apiHost;
    std::string m_imageHost;
    std::string m_key;
    std::string m_language;
};

// Percent-encodes every byte but the unreserved characters A-Z a-z 0-9 - . _ ~ (RFC 3986).
std::string percentEncode(std::string_view bytes);

} // namespace ravello::tmdb
