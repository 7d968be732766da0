// SPDX-License-Identifier: MIT
// Token lines of any bytes: the same lines however the document arrives in pieces, the cache
// file's bytes read back as the same lines, and the JSON reading of the joined lines.
#include "core/tmdb/json_document.h"
#include "core/tmdb/token_lines.h"
#include "fuzz/fuzz_input.h"

namespace {

std::string withoutTabs(std::string text)
{
    std::erase(text, '\t');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    const std::string_view input = fuzz::textOf(data, size);
    const std::vector<std::string> pieces = fuzz::partsOf(input);
    std::string whole;
    for (const std::string& piece : pieces)
        whole += piece;

    const std::vector<std::string> lines = tmdb::splitTokens(pieces);
    fuzz::check(lines == tmdb::splitTokens(whole));
    // Joining drops the leading tabs of every line, so a tab the document itself had right
    // after a cut (whitespace JSON ignores) is lost; every other byte comes back.
    const std::string joined = tmdb::joinTokenLines(lines);
    fuzz::check(withoutTabs(whole).starts_with(withoutTabs(joined)));
    // An object ends in a cut, so its lines hold all of it (the film cache keeps objects only).
    if (const auto document = tmdb::json::parse(whole); document && document->is_object()) {
        const auto again = tmdb::json::parse(joined);
        fuzz::check(again && *again == *document);
    }

    // Lines holding no line end come back from their file unchanged.
    bool plainLines = true;
    for (const std::string& line : lines)
        plainLines = plainLines && line.find_first_of("\r\n") == std::string::npos;
    if (plainLines)
        fuzz::check(tmdb::tokenLinesOfFile(tmdb::tokenFileBytes(lines)) == lines);

    // The input as a cache file, as the film cache reads one.
    const std::string cached = tmdb::joinTokenLines(tmdb::tokenLinesOfFile(input));
    if (const auto document = tmdb::json::parse(cached)) {
        (void)tmdb::json::isFilmDocument(*document);
        if (document->is_object()) {
            (void)tmdb::json::textOf(*document, "title", "null");
            (void)tmdb::json::integerOf(*document, "id");
        }
    }
    return 0;
}
