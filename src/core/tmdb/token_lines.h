// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Token lines: a JSON document cut after every `{`, `}` and `,` that stands outside a quoted
// string, each piece preceded by one tab per `{` open before it. The film caches keep TMDb's
// answers in this form, one token line per text line, lines ended by CR LF, bytes as received.
namespace ravello::tmdb {

// Cuts a document that arrives in pieces; a token that spans two pieces comes out whole.
class TokenSplitter
{
public:
    void feed(std::string_view piece);
    // The token lines so far. Text after the last cut is never a line of its own.
    const std::vector<std::string>& lines() const { return m_lines; }

private:
    void cut();

    std::vector<std::string> m_lines;
    std::string m_pending;
    int m_depth = 0;
    bool m_inString = false;
    bool m_escaped = false;
};

// The token lines of a document received in the given pieces.
std::vector<std::string> splitTokens(const std::vector<std::string>& pieces);
std::vector<std::string> splitTokens(std::string_view document);

// The document again: the lines joined with their leading tabs removed. This gives back the
// document, also from files whose lines were cut inside strings; only tabs that stood right
// after a cut are lost, and those are whitespace to JSON.
std::string joinTokenLines(const std::vector<std::string>& lines);

// The bytes of a cache file: every line followed by CR LF.
std::string tokenFileBytes(const std::vector<std::string>& lines);

// The lines of a cache file; a line may end in CR LF or LF alone, and the last one may have
// no line end.
std::vector<std::string> tokenLinesOfFile(std::string_view bytes);

} // namespace ravello::tmdb
