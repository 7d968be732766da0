// SPDX-License-Identifier: MIT
#include "core/collection/title_list.h"

#include "core/text/text_fields.h"

namespace ravello::collection {
namespace {

constexpr std::size_t kListTextLength = 109;

} // namespace

std::vector<std::string> fillTitleList(const TitleIndex& index, std::string_view searchText)
{
    std::string filter(searchText);
    text::toUpper(filter);
    std::vector<std::string> items;
    for (const std::size_t position : index.search().find(filter, kMaxTitleListItems))
        items.push_back(listTextOf(index.records()[position]));
    return items;
}

std::string listTextOf(std::string_view record)
{
    std::string text = TitleSearch::searchTextOf(record);
    if (text.size() > kListTextLength)
        text.resize(kListTextLength);
    text::trimRight(text);
    return text;
}

std::string shownTitleOf(std::string_view listText)
{
    std::string title(listText);
    text::dropLeading(title, kListKeyLength);
    return title;
}

ListKey listKeyOf(std::string_view listText)
{
    const auto column = [&](std::size_t first, std::size_t count) {
        return first < listText.size() ? text::toLong(listText.substr(first, count)) : 0;
    };
    return {column(0, 5), column(6, 3)};
}

} // namespace ravello::collection
