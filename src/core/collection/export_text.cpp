// SPDX-License-Identifier: MIT
#include "core/collection/export_text.h"

#include <algorithm>

#include "core/tmdb/text_normaliser.h"

namespace ravello::collection {
namespace {

// How far past a rule's first byte the normaliser may read ("&apos" and the byte after it
// is the longest), with a byte to spare.
constexpr std::size_t kReach = 7;

bool beginsRule(char c)
{
    return static_cast<unsigned char>(c) >= 0x80 || c == '&' || c == '\\';
}

std::size_t nextRuleByte(const std::string& text, std::size_t from)
{
    const auto found =
        std::find_if(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), beginsRule);
    return static_cast<std::size_t>(found - text.begin());
}

} // namespace

void normaliseExportText(std::string& text)
{
    std::size_t rule = nextRuleByte(text, 0);
    if (rule == text.size())
        return;
    std::string result(text, 0, rule == 0 ? 0 : rule - 1);
    std::size_t copied = result.size();
    while (rule < text.size()) {
        // A stretch from the byte before the first rule byte to kReach past the last one
        // whose reach overlaps the next.
        std::size_t end = std::min(text.size(), rule + kReach);
        for (rule = nextRuleByte(text, rule + 1); rule <= end && rule < text.size();
             rule = nextRuleByte(text, rule + 1))
            end = std::min(text.size(), rule + kReach);
        std::string stretch(text, copied, end - copied);
        tmdb::normaliseText(stretch);
        result += stretch;
        // The plain bytes up to the byte before the next stretch stay as they are.
        const std::size_t plainEnd = rule < text.size() ? rule - 1 : text.size();
        result.append(text, end, plainEnd - end);
        copied = plainEnd;
    }
    text = std::move(result);
}

} // namespace ravello::collection
