// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The fixed-column rows of the four credit lists. The lists are the only store of a film's
// credits while it is shown: the film opening writes these rows, the painting, the cast and
// crew documents and the photo handlers read them back. Texts are as retrieved, before the
// text normaliser; a field longer than its columns pushes the next fields to the right.
namespace ravello::tmdb {

struct CastRow
{
    std::string name;      // columns 1-100
    std::string character; // 101-200
};

struct CrewRow
{
    std::string name;       // 1-100
    std::string department; // 101-200
    std::string job;        // 201-300
};

struct CastPhotoRow
{
    std::string personNumber; // 1-7
    std::string name;         // 8-107
    std::string character;    // 108-207, then '|' in 208
    std::string photoPath;    // from 209 ("null" when the person has no photo)
};

struct CrewPhotoRow
{
    std::string personNumber; // 1-7
    std::string name;         // 8-107
    std::string department;   // 108-207
    std::string job;          // 208-307, then '|' in 308
    std::string photoPath;    // from 309
};

std::string formatCastRow(const CastRow& row);
std::string formatCrewRow(const CrewRow& row);
std::string formatCastPhotoRow(const CastPhotoRow& row);
std::string formatCrewPhotoRow(const CrewPhotoRow& row);

// Each field read from its fixed columns, trailing blanks removed.
CastRow readCastRow(std::string_view row);
CrewRow readCrewRow(std::string_view row);
CastPhotoRow readCastPhotoRow(std::string_view row);
CrewPhotoRow readCrewPhotoRow(std::string_view row);

} // namespace ravello::tmdb
