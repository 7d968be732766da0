// SPDX-License-Identifier: MIT
#include "core/tmdb/token_lines.h"

namespace ravello::tmdb {

void TokenSplitter::feed(std::string_view piece)
{
    for (const char c : piece) {
        m_pending += c;
        if (m_inString) {
            // A backslash escapes the next character, so an escaped quote ends nothing.
            if (m_escaped)
                m_escaped = false;
            else if (c == '\\')
                m_escaped = true;
            else if (c == '"')
                m_inString = false;
            continue;
        }
        if (c == '"')
            m_inString = true;
        else if (c == '{' || c == '}' || c == ',')
            cut();
    }
}

void TokenSplitter::cut()
{
    const char delimiter = m_pending.back();
    std::string line(m_depth > 0 ? static_cast<std::size_t>(m_depth) : 0, '\t');
    line += m_pending;
    m_lines.push_back(std::move(line));
    m_pending.clear();
    if (delimiter == '{')
        ++m_depth;
    else if (delimiter == '}')
        --m_depth;
}

std::vector<std::string> splitTokens(const std::vector<std::string>& pieces)
{
    TokenSplitter splitter;
    for (const std::string& piece : pieces)
        splitter.feed(piece);
    return splitter.lines();
}

std::vector<std::string> splitTokens(std::string_view document)
{
    TokenSplitter splitter;
    splitter.feed(document);
    return splitter.lines();
}

std::string joinTokenLines(const std::vector<std::string>& lines)
{
    std::string document;
    for (const std::string& line : lines) {
        const std::size_t start = line.find_first_not_of('\t');
        if (start != std::string::npos)
            document.append(line, start);
    }
    return document;
}

std::string tokenFileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> tokenLinesOfFile(std::string_view bytes)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

} // namespace ravello::tmdb
