// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/tmdb/credit_rows.h"

namespace ravello::tmdb {
namespace {

TEST(CreditRows, CastRowPutsEachFieldInItsColumns)
{
    const std::string row = formatCastRow({"Tom Hanks", "Forrest"});
    ASSERT_EQ(row.size(), 200u);
    EXPECT_EQ(row.substr(0, 9), "Tom Hanks");
    EXPECT_EQ(row.substr(100, 7), "Forrest");
    EXPECT_EQ(row.find_first_not_of(' ', 107), std::string::npos);
}

TEST(CreditRows, PhotoRowsCarryTheBarBeforeThePhotoPath)
{
    const std::string cast = formatCastPhotoRow({"31", "Tom Hanks", "Forrest", "/abc.jpg"});
    EXPECT_EQ(cast.size(), 207u + 1 + 8);
    EXPECT_EQ(cast.substr(0, 7), "31     ");
    EXPECT_EQ(cast[207], '|');
    EXPECT_EQ(cast.substr(208), "/abc.jpg");

    const std::string crew = formatCrewPhotoRow({"1", "A B", "Directing", "Director", "null"});
    EXPECT_EQ(crew[307], '|');
    EXPECT_EQ(crew.substr(308), "null");
}

TEST(CreditRows, EveryKindReadsBackWhatWasWritten)
{
    const CastRow cast{"Jean Reno", "L\xe9on"};
    const CrewRow crew{"Luc Besson", "Directing", "Director"};
    const CastPhotoRow castPhoto{"1003", "Jean Reno", "L\xe9on", "/a1b2c3d4e5f6.jpg"};
    const CrewPhotoRow crewPhoto{"59", "Luc Besson", "Writing", "Screenplay", "null"};

    const CastRow castBack = readCastRow(formatCastRow(cast));
    EXPECT_EQ(castBack.name, cast.name);
    EXPECT_EQ(castBack.character, cast.character);

    const CrewRow crewBack = readCrewRow(formatCrewRow(crew));
    EXPECT_EQ(crewBack.name, crew.name);
    EXPECT_EQ(crewBack.department, crew.department);
    EXPECT_EQ(crewBack.job, crew.job);

    const CastPhotoRow castPhotoBack = readCastPhotoRow(formatCastPhotoRow(castPhoto));
    EXPECT_EQ(castPhotoBack.personNumber, "1003");
    EXPECT_EQ(castPhotoBack.name, castPhoto.name);
    EXPECT_EQ(castPhotoBack.character, castPhoto.character);
    EXPECT_EQ(castPhotoBack.photoPath, castPhoto.photoPath);

    const CrewPhotoRow crewPhotoBack = readCrewPhotoRow(formatCrewPhotoRow(crewPhoto));
    EXPECT_EQ(crewPhotoBack.personNumber, "59");
    EXPECT_EQ(crewPhotoBack.name, crewPhoto.name);
    EXPECT_EQ(crewPhotoBack.department, crewPhoto.department);
    EXPECT_EQ(crewPhotoBack.job, crewPhoto.job);
    EXPECT_EQ(crewPhotoBack.photoPath, "null");
}

TEST(CreditRows, EmptyFieldsReadBackEmpty)
{
    const CrewRow crew = readCrewRow(formatCrewRow({"Someone", "Crew", ""}));
    EXPECT_EQ(crew.job, "");
    const CastRow cast = readCastRow(formatCastRow({"", ""}));
    EXPECT_EQ(cast.name, "");
    EXPECT_EQ(cast.character, "");
}

TEST(CreditRows, ReadingTakesFixedColumnsSoAnOverlongValueSpillsIntoTheNextField)
{
    const std::string longName(105, 'x');
    const std::string row = formatCastRow({longName, "Role"});
    EXPECT_EQ(row.size(), 205u);
    const CastRow back = readCastRow(row);
    EXPECT_EQ(back.name, std::string(100, 'x'));
    EXPECT_EQ(back.character, "xxxxxRole");
}

TEST(CreditRows, PhotoPathIsReadOverTwoHundredColumns)
{
    const std::string path = "/" + std::string(250, 'p');
    const CastPhotoRow back = readCastPhotoRow(formatCastPhotoRow({"7", "N", "C", path}));
    EXPECT_EQ(back.photoPath, path.substr(0, 200));
}

TEST(CreditRows, ShortOrEmptyRowsGiveEmptyFields)
{
    const CrewPhotoRow crew = readCrewPhotoRow("12");
    EXPECT_EQ(crew.personNumber, "12");
    EXPECT_EQ(crew.name, "");
    EXPECT_EQ(crew.photoPath, "");
    const CastRow cast = readCastRow("");
    EXPECT_EQ(cast.name, "");
}

} // namespace
} // namespace ravello::tmdb
