// SPDX-License-Identifier: MIT
#include "core/tmdb/endpoint.h"

#include <algorithm>

namespace ravello::tmdb {
namespace {

std::string hostOr(std::string_view host, const char* fallback)
{
    std::string chosen(host.empty() ? std::string_view(fallback) : host);
    while (!chosen.empty() && chosen.back() == '/')
        chosen.pop_back();
    return chosen;
}

bool isUnreserved(unsigned char byte)
{
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
}

// Image paths are TMDb's own ("/abc.jpg"): slashes stay, anything a URL cannot carry as it
// is gets encoded. A segment of dots alone is encoded too, so that a path such as "/../x"
// cannot climb out of the image folder when the transfer library resolves dot segments.
std::string encodePath(std::string_view path)
{
    std::string encoded;
    std::size_t segmentStart = 0;
    while (segmentStart <= path.size()) {
        const std::size_t slash = std::min(path.find('/', segmentStart), path.size());
        const std::string_view segment = path.substr(segmentStart, slash - segmentStart);
        if (segment == "." || segment == "..")
            encoded.append(segment.size() == 1 ? "%2E" : "%2E%2E");
        else
            encoded += percentEncode(segment);
        if (slash < path.size())
            encoded += '/';
        segmentStart = slash + 1;
    }
    return encoded;
}

} // namespace

Hosts Hosts::withOverrides(std::string_view api, std::string_view image)
{
    return {hostOr(api, kDefaultApiHost), hostOr(image, kDefaultImageHost)};
}

Endpoint::Endpoint(std::string apiHost, std::string imageHost, std::string key,
                   std::string language)
    : m_apiHost(std::move(apiHost)), m_imageHost(std::move(imageHost)), m_key(std::move(key)),
      m_language(std::move(language))
{}

Endpoint Endpoint::fromSettings(const settings::Settings& settings, const Hosts& hosts)
{
    return Endpoint(hosts.api, hosts.image, settings::effectiveTmdbKey(settings),
                    settings.tmdbLanguage);
}

bool Endpoint::usesBearerToken() const
{
    return m_key.find('.') != std::string::npos;
}

// The key goes first, as TMDb's own examples write it; a bearer token leaves it out.
Request Endpoint::apiRequest(const std::string& path, const std::string& query) const
{
    std::string parameters = usesBearerToken() ? "" : "api_key=" + percentEncode(m_key);
    if (!query.empty())
        parameters += (parameters.empty() ? "" : "&") + query;
    Request request{m_apiHost + path + (parameters.empty() ? "" : "?") + parameters, {}};
    if (usesBearerToken())
        request.bearerToken = m_key;
    return request;
}

Request Endpoint::searchRequest(std::string_view utf8Text) const
{
    return apiRequest("/3/search/movie", "language=" + percentEncode(m_language) +
                                             "&query=" + percentEncode(utf8Text));
}

// In another language than English the translations come along, so that a film nobody has
// translated into it shows its English overview without a second request.
Request Endpoint::detailsRequest(std::int32_t filmId) const
{
    std::string query = "language=" + percentEncode(m_language);
    if (!asksInEnglish())
        query += "&append_to_response=translations";
    return apiRequest("/3/movie/" + std::to_string(filmId), query);
}

Request Endpoint::detailsRequest(std::int32_t filmId, std::string_view language) const
{
    return apiRequest("/3/movie/" + std::to_string(filmId), "language=" + percentEncode(language));
}

bool Endpoint::asksInEnglish() const
{
    return m_language == "en" || m_language.starts_with("en-");
}

Request Endpoint::creditsRequest(std::int32_t filmId) const
{
    return apiRequest("/3/movie/" + std::to_string(filmId) + "/credits", "");
}

Request Endpoint::personRequest(std::int32_t personId) const
{
    return apiRequest("/3/person/" + std::to_string(personId), "");
}

Request Endpoint::tvSearchRequest(std::string_view utf8Text) const
{
    return apiRequest("/3/search/tv", "language=" + percentEncode(m_language) +
                                          "&query=" + percentEncode(utf8Text));
}

Request Endpoint::showRequest(std::int32_t showId) const
{
    return apiRequest("/3/tv/" + std::to_string(showId), "language=" + percentEncode(m_language));
}

// The credits travel with the season in the same answer, so a season is one request; in
// another language than English so do its translations, so that a season nobody has translated
// shows its English overview without a second request.
Request Endpoint::seasonRequest(std::int32_t showId, int seasonNumber) const
{
    return apiRequest("/3/tv/" + std::to_string(showId) + "/season/" + std::to_string(seasonNumber),
                      "language=" + percentEncode(m_language) + "&append_to_response=credits" +
                          (asksInEnglish() ? "" : ",translations"));
}

Request Endpoint::seasonOverviewRequest(std::int32_t showId, int seasonNumber,
                                        std::string_view language) const
{
    return apiRequest("/3/tv/" + std::to_string(showId) + "/season/" + std::to_string(seasonNumber),
                      "language=" + percentEncode(language));
}

std::string Endpoint::imageUrl(std::string_view path) const
{
    return m_imageHost + "/t/p/original" + encodePath(path);
}

std::string percentEncode(std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUnreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

} // namespace ravello::tmdb
