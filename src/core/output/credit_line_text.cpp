// SPDX-License-Identifier: MIT
#include "core/output/credit_line_text.h"

#include <cassert>

#include "core/text/text_fields.h"
#include "core/text/text_normaliser.h"
#include "core/tmdb/credit_rows.h"
#include "core/tmdb/season_lists.h"

namespace ravello::output {
namespace {

struct ListEntry
{
    CreditList list;
    CreditListLayout layout;
};

constexpr ListEntry kLayouts[] = {
    {CreditList::Cast, {16, 30, 4, 3, false}},
    {CreditList::Crew, {14, 30, 4, 3, false}},
    {CreditList::CastPhoto, {16, 38, 20, 3, true}},
    {CreditList::CrewPhoto, {16, 38, 20, 3, true}},
};

// The marker shows from this many characters of photo path on.
constexpr std::size_t kMarkerMinimumPath = 16;

std::string castLine(const std::string& name, const std::string& character, int width)
{
    std::string line = dottedNameColumn(name, width) + character;
    text::normaliseText(line);
    return line;
}

std::string crewLine(const std::string& name, const std::string& department, const std::string& job,
                     int width)
{
    std::string line = dottedNameColumn(name, width) + department;
    text::trimRight(line);
    line += " (" + job;
    text::trimRight(line);
    line += ')';
    text::normaliseText(line);
    return line;
}

} // namespace

CreditListLayout creditListLayout(CreditList list)
{
    for (const ListEntry& entry : kLayouts) {
        if (entry.list == list)
            return entry.layout;
    }
    assert(false && "every list has a layout");
    return kLayouts[0].layout;
}

MarkerRect photoMarkerRect(CreditList list, int rowLeft, int rowTop)
{
    const int height = creditListLayout(list).itemHeight;
    return {rowLeft + 2, rowTop + 1, rowLeft + height, rowTop + height - 1};
}

std::string dottedNameColumn(std::string name, int width)
{
    // The name is normalised first so that the width counts the characters shown.
    text::normaliseText(name);
    const auto columns = static_cast<std::size_t>(width < 0 ? 0 : width);
    name.resize(columns, '.');
    return name;
}

bool showsPhotoMarker(std::string_view photoPath)
{
    return photoPath.size() >= kMarkerMinimumPath;
}

PaintedRow paintCreditRow(CreditList list, std::string_view rowText)
{
    if (tmdb::isHeadingRow(rowText)) {
        std::string caption = tmdb::headingCaptionOf(rowText);
        text::normaliseText(caption);
        return {std::move(caption), false, true};
    }
    const int width = creditListLayout(list).nameColumnWidth;
    switch (list) {
    case CreditList::Cast: {
        const tmdb::CastRow row = tmdb::readCastRow(rowText);
        return {castLine(row.name, row.character, width), false, false};
    }
    case CreditList::Crew: {
        const tmdb::CrewRow row = tmdb::readCrewRow(rowText);
        return {crewLine(row.name, row.department, row.job, width), false, false};
    }
    case CreditList::CastPhoto: {
        const tmdb::CastPhotoRow row = tmdb::readCastPhotoRow(rowText);
        return {castLine(row.name, row.character, width), showsPhotoMarker(row.photoPath), false};
    }
    case CreditList::CrewPhoto: {
        const tmdb::CrewPhotoRow row = tmdb::readCrewPhotoRow(rowText);
        return {crewLine(row.name, row.department, row.job, width), showsPhotoMarker(row.photoPath),
                false};
    }
    }
    return {};
}

} // namespace ravello::output
