// SPDX-License-Identifier: MIT
#include "core/collection/title_search.h"

#include <algorithm>

#include "core/collection/text_fields.h"

namespace ravello::collection {
namespace {

constexpr std::size_t kKeyLength = 9;     // columns 1 to 9
constexpr std::size_t kTitleStart = 55;   // column 56, counted from 0
constexpr std::size_t kTitleLength = 196; // columns 56 to 251

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
    ToUpper(m_texts);
}

std::vector<std::size_t> TitleSearch::find(std::string_view upperFilter, std::size_t limit) const
{
    std::vector<std::size_t> found;
    const std::size_t count = m_offsets.empty() ? 0 : m_offsets.size() - 1;
    for (std::size_t i = 0; i < count && found.size() < limit; ++i) {
        const std::string_view text(m_texts.data() + m_offsets[i], m_offsets[i + 1] - m_offsets[i]);
        if (upperFilter.empty() || text.find(upperFilter) != std::string_view::npos)
            found.push_back(i);
    }
    return found;
}

} // namespace ravello::collection
