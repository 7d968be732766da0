// SPDX-License-Identifier: MIT
#include "core/collection/index_record.h"

#include <algorithm>

#include "core/text/text_fields.h"

namespace ravello::collection {
namespace {

// Column ranges of the fields as fieldAt takes them (from, to exclusive).
constexpr int kIdFrom = 11, kIdTo = 35;
constexpr int kYearFrom = 44, kYearTo = 48;
constexpr int kRunningFrom = 49, kRunningTo = 53;
constexpr int kTitleFrom = 56, kTitleTo = 156;
constexpr int kOriginalFrom = 157, kOriginalTo = 257;
constexpr int kOverviewFrom = 258, kOverviewTo = 2258;
constexpr std::size_t kNotFoundLength = 300;

void appendNumber(std::string& line, int value, std::size_t width)
{
    const std::string digits = std::to_string(value);
    if (digits.size() < width)
        line.append(width - digits.size(), '0');
    line += digits;
}

void appendPadded(std::string& line, std::string_view text, std::size_t width)
{
    text = text.substr(0, width);
    line += text;
    line.append(width - text.size(), ' ');
}

void appendFlag(std::string& line, bool flag)
{
    line += flag ? '1' : '0';
    line += '|';
}

std::int32_t numberAt(std::string_view line, std::size_t first, std::size_t count)
{
    return first < line.size() ? text::toLong(line.substr(first, count)) : 0;
}

} // namespace

bool fitsColumns(const IndexRecord& record)
{
    return record.collectionNumber >= 1 && record.collectionNumber <= kHighestCollectionNumber &&
           record.occurrence >= 1 && record.occurrence <= kHighestOccurrence &&
           record.profileId.size() <= kProfileIdWidth &&
           record.profileId.find('|') == std::string::npos && record.filmRating >= 0 &&
           record.filmRating <= 9;
}

std::string formatIndexRecord(const IndexRecord& record)
{
    const bool yearFits = record.productionYear >= 0 && record.productionYear <= kHighestYear;
    std::string line;
    line.reserve(260 + record.overview.size());
    appendNumber(line, record.collectionNumber, 5);
    line += '|';
    appendNumber(line, record.occurrence, 3);
    line += '|';
    appendPadded(line, record.profileId, kProfileIdWidth);
    line += '|';
    appendFlag(line, record.dvd);
    appendFlag(line, record.hdDvd);
    appendFlag(line, record.divx);
    appendFlag(line, record.x265);
    appendNumber(line, yearFits ? record.productionYear : 0, 4);
    line += '|';
    appendNumber(line, std::clamp(record.runningTime, 0, kHighestRunningTime), 4);
    line += '|';
    line += static_cast<char>('0' + record.filmRating);
    line += '|';
    appendPadded(line, record.title, kTitleWidth);
    line += '|';
    appendPadded(line, record.originalTitle, kTitleWidth);
    line += '|';
    line += record.overview;
    return line;
}

std::int32_t recordCollectionNumber(std::string_view line)
{
    return numberAt(line, 0, 5);
}

std::int32_t recordOccurrence(std::string_view line)
{
    return numberAt(line, 6, 3);
}

std::string recordProfileId(std::string_view line)
{
    return text::fieldAt(line, kIdFrom, kIdTo);
}

std::string recordProductionYear(std::string_view line)
{
    return text::fieldAt(line, kYearFrom, kYearTo);
}

std::int32_t recordRunningTime(std::string_view line)
{
    return text::toLong(text::fieldAt(line, kRunningFrom, kRunningTo));
}

std::string recordTitle(std::string_view line)
{
    return text::fieldAt(line, kTitleFrom, kTitleTo);
}

std::string recordOriginalTitle(std::string_view line)
{
    return text::fieldAt(line, kOriginalFrom, kOriginalTo);
}

std::string recordOverview(std::string_view line)
{
    return text::fieldAt(line, kOverviewFrom, kOverviewTo);
}

const std::string& notFoundRecord()
{
    static const std::string record = [] {
        std::string text(kNotFoundLength, 'N');
        for (std::size_t i = 1; i < text.size(); i += 2)
            text[i] = 'T';
        return text;
    }();
    return record;
}

} // namespace ravello::collection
