// SPDX-License-Identifier: MIT
#include "core/tmdb/request_secrets.h"

#include <string_view>
#include <vector>

namespace ravello::tmdb {
namespace {

// The secrets a request carries: its bearer token and the value of its api_key parameter.
std::vector<std::string> secretsOf(const Request& request)
{
    std::vector<std::string> secrets;
    if (!request.bearerToken.empty())
        secrets.push_back(request.bearerToken);
    constexpr std::string_view kKeyParameter = "api_key=";
    const std::size_t query = request.url.find('?');
    const std::size_t key =
        query == std::string::npos ? query : request.url.find(kKeyParameter, query);
    if (key == std::string::npos)
        return secrets;
    const std::size_t start = key + kKeyParameter.size();
    const std::size_t end = request.url.find_first_of("&#", start);
    if (end != start)
        secrets.push_back(request.url.substr(start, end - start));
    return secrets;
}

void redact(std::string& text, const std::string& secret)
{
    for (std::size_t at = text.find(secret); at != std::string::npos;
         at = text.find(secret, at + 3))
        text.replace(at, secret.size(), "***");
}

} // namespace

FetchResult withoutSecrets(FetchResult result, const Request& request)
{
    for (const std::string& secret : secretsOf(request)) {
        redact(result.body, secret);
        redact(result.tmdbStatusMessage, secret);
        redact(result.transportError.text, secret);
    }
    return result;
}

} // namespace ravello::tmdb
