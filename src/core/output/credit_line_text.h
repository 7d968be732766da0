// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// What a row of the four credit lists shows: a fixed-pitch line whose name column is padded
// with dots, so characters, departments and jobs line up, and on the photo lists a marker for
// people who have a photo. The paint code only fills the background and draws these.
namespace ravello::output {

enum class CreditList
{
    Cast,      // LST_CastMDB, cast rows
    Crew,      // LST_CrewMDB, crew rows
    CastPhoto, // LST_CastMDB2, cast photo rows
    CrewPhoto, // LST_CrewMDB2, crew photo rows
};

// Geometry of a list, in pixels except the name column, which counts characters.
struct CreditListLayout
{
    int itemHeight;
    int nameColumnWidth;
    int textX;        // left edge of the text, from the row's left
    int textY;        // top of the text, from the row's top
    bool photoMarker; // whether rows may carry the photo marker
};

CreditListLayout creditListLayout(CreditList list);

// A rectangle by its edges (right and bottom exclusive).
struct MarkerRect
{
    int left;
    int top;
    int right;
    int bottom;
};

// Where the 14 x 14 photo marker goes on a row whose rectangle starts at (rowLeft, rowTop).
MarkerRect photoMarkerRect(CreditList list, int rowLeft, int rowTop);

struct PaintedRow
{
    std::string text;        // Windows-1252, normalised
    bool showsPhotoMarker{}; // photo lists only
    bool isHeading{};        // an episode's heading row: its caption, to be set apart
};

// The line a row of `list` shows, from the row's text as the list holds it. A heading row
// (tmdb::isHeadingRow) shows its caption alone.
PaintedRow paintCreditRow(CreditList list, std::string_view rowText);

// The normalised name followed by dots, cut to exactly `width` characters.
std::string dottedNameColumn(std::string name, int width);

// A photo path longer than 15 characters gets the marker; "null" and short paths do not.
bool showsPhotoMarker(std::string_view photoPath);

} // namespace ravello::output
