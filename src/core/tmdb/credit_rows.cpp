// SPDX-License-Identifier: MIT
#include "core/tmdb/credit_rows.h"

#include "core/text/text_fields.h"

namespace ravello::tmdb {
namespace {

// printf's "%-Ns": the value left-aligned and padded with spaces to the width; a longer
// value is kept whole and pushes what follows to the right.
void appendPadded(std::string& row, std::string_view value, std::size_t width)
{
    row += value;
    if (value.size() < width)
        row.append(width - value.size(), ' ');
}

// The field at columns first..last inclusive, trailing blanks removed.
std::string columns(std::string_view row, int first, int last)
{
    return text::fieldAt(row, first, last + 1);
}

constexpr std::size_t kNumberWidth = 7;
constexpr std::size_t kTextWidth = 100;

} // namespace

std::string formatCastRow(const CastRow& row)
{
    std::string text;
    appendPadded(text, row.name, kTextWidth);
    appendPadded(text, row.character, kTextWidth);
    return text;
}

std::string formatCrewRow(const CrewRow& row)
{
    std::string text;
    appendPadded(text, row.name, kTextWidth);
    appendPadded(text, row.department, kTextWidth);
    appendPadded(text, row.job, kTextWidth);
    return text;
}

std::string formatCastPhotoRow(const CastPhotoRow& row)
{
    std::string text;
    appendPadded(text, row.personNumber, kNumberWidth);
    appendPadded(text, row.name, kTextWidth);
    appendPadded(text, row.character, kTextWidth);
    text += '|';
    text += row.photoPath;
    return text;
}

std::string formatCrewPhotoRow(const CrewPhotoRow& row)
{
    std::string text;
    appendPadded(text, row.personNumber, kNumberWidth);
    appendPadded(text, row.name, kTextWidth);
    appendPadded(text, row.department, kTextWidth);
    appendPadded(text, row.job, kTextWidth);
    text += '|';
    text += row.photoPath;
    return text;
}

CastRow readCastRow(std::string_view row)
{
    return {columns(row, 1, 100), columns(row, 101, 200)};
}

CrewRow readCrewRow(std::string_view row)
{
    return {columns(row, 1, 100), columns(row, 101, 200), columns(row, 201, 300)};
}

CastPhotoRow readCastPhotoRow(std::string_view row)
{
    // The photo path runs to the end of the row; it is read over 200 columns.
    return {columns(row, 1, 7), columns(row, 8, 107), columns(row, 108, 207),
            columns(row, 209, 408)};
}

CrewPhotoRow readCrewPhotoRow(std::string_view row)
{
    return {columns(row, 1, 7), columns(row, 8, 107), columns(row, 108, 207),
            columns(row, 208, 307), columns(row, 309, 508)};
}

} // namespace ravello::tmdb
