// SPDX-License-Identifier: MIT
#include "core/collection/title_search.h"

#include <algorithm>
#include <cstring>

#include "core/text/text_fields.h"

namespace ravello::collection {
namespace {

constexpr std::size_t kKeyLength = 9;     // columns 1 to 9
constexpr std::size_t kTitleStart = 55;   // column 56, counted from 0
constexpr std::size_t kTitleLength = 196; // columns 56 to 251

// True when `text` holds `filter`, looked for by the byte of the filter at `anchor`: memchr
// finds the few places where that byte stands and only those are compared.
bool holds(std::string_view text, std::string_view filter, std::size_t anchor)
{
    if (text.size() < filter.size())
        return false;
    const char wanted = filter[anchor];
    const char* const first = text.data();
    const char* at = first + anchor;
    const char* const last = first + (text.size() - filter.size()) + anchor; // inclusive
    while (at <= last) {
        const auto* found = static_cast<const char*>(
            std::memchr(at, wanted, static_cast<std::size_t>(last - at) + 1));
        if (found == nullptr)
            return false;
        if (std::memcmp(found - anchor, filter.data(), filter.size()) == 0)
            return true;
        at = found + 1;
    }
    return false;
}

} // namespace

std::string TitleSearch::searchTextOf(std::string_view record)
{
    std::string text(record.substr(0, kKeyLength));
    text += ' ';
    if (record.size() > kTitleStart)
        text += record.substr(kTitleStart, kTitleLength);
    return text;
}

TitleSearch::TitleSearch(const std::vector<std::string>& records)
{
    m_texts.reserve(records.size() * (kKeyLength + 1 + kTitleLength));
    m_offsets.reserve(records.size() + 1);
    for (const std::string& record : records) {
        m_offsets.push_back(m_texts.size());
        m_texts += searchTextOf(record);
    }
    m_offsets.push_back(m_texts.size());
    text::toUpper(m_texts);
    for (const char c : m_texts)
        ++m_byteCounts[static_cast<unsigned char>(c)];
}

// The filter's byte that is rarest in the search texts: the titles are padded with spaces, so
// a search led by a space would stop at every one of them.
std::size_t TitleSearch::rarestByte(std::string_view filter) const
{
    std::size_t rarest = 0;
    for (std::size_t i = 1; i < filter.size(); ++i)
        if (m_byteCounts[static_cast<unsigned char>(filter[i])] <
            m_byteCounts[static_cast<unsigned char>(filter[rarest])])
            rarest = i;
    return rarest;
}

std::vector<std::size_t> TitleSearch::find(std::string_view upperFilter, std::size_t limit) const
{
    std::vector<std::size_t> found;
    const std::size_t count = m_offsets.empty() ? 0 : m_offsets.size() - 1;
    const std::size_t anchor = upperFilter.empty() ? 0 : rarestByte(upperFilter);
    for (std::size_t i = 0; i < count && found.size() < limit; ++i) {
        const std::string_view text(m_texts.data() + m_offsets[i], m_offsets[i + 1] - m_offsets[i]);
        if (upperFilter.empty() || holds(text, upperFilter, anchor))
            found.push_back(i);
    }
    return found;
}

} // namespace ravello::collection
