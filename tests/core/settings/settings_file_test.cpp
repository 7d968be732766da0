// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/settings/settings_file.h"
#include "tests/support/temporary_folder.h"

namespace ravello::settings {
namespace {

using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

// The file's lines end as the system's text files do.
#ifdef _WIN32
constexpr const char* kLineEnd = "\r\n";
#else
constexpr const char* kLineEnd = "\n";
#endif

TEST(SettingsFile, MissingFileGivesEveryDefault)
{
    TemporaryFolder folder;
    const Settings settings = loadSettings(folder / "Ravello.INI");
    EXPECT_EQ(settings, defaultSettings());
    EXPECT_EQ(settings.styleName, "Glow");
    EXPECT_EQ(settings.languageIndex, 1);
    EXPECT_EQ(settings.exportStamp, ExportStamp{});
    EXPECT_EQ(settings.exportStamp.year, 99);
    EXPECT_EQ(settings.tmdbLanguage, "en-US");
    EXPECT_EQ(settings.country, "US");
    EXPECT_EQ(settings.geometry, (WindowGeometry{0, 0, 1056, 1036}));
    EXPECT_TRUE(needsImport(settings));
    EXPECT_TRUE(settings.exportFile.ends_with("Collection.xml"));
    EXPECT_EQ(effectiveTmdbKey(settings), ""); // no key but the user's
}

TEST(SettingsFile, NumbersReadAsTheirLeadingDigits)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Ravello.INI", "[Impostazioni]\r\nLingua=3abc\r\n"
                                           "[Dati]\r\nLastAnno=x\r\nLastMese=\r\n"
                                           "[Posizione]\r\nTop= -12px\r\nWidth=\r\n"
                                           "[Database]\r\nVersione=2\r\n");
    const Settings settings = loadSettings(folder / "Ravello.INI");
    EXPECT_EQ(settings.languageIndex, 3);
    EXPECT_EQ(settings.exportStamp.year, 0);
    EXPECT_EQ(settings.exportStamp.month, 99); // empty text keeps "no import on record"
    EXPECT_EQ(settings.geometry.top, -12);
    EXPECT_EQ(settings.geometry.width, 0);
    EXPECT_FALSE(needsImport(settings));
}

TEST(SettingsFile, LanguageOutsideTheFiveSlotsMeansEnglish)
{
    TemporaryFolder folder;
    for (const char* stored : {"5", "-1", "99999999999"}) {
        writeFileBytes(folder / "Ravello.INI", std::string("[Impostazioni]\nLingua=") + stored);
        EXPECT_EQ(loadSettings(folder / "Ravello.INI").languageIndex, 1) << stored;
    }
}

TEST(SettingsFile, EmptyTextsFallBackWhereEarlierVersionsDid)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Ravello.INI", "[Impostazioni]\nTema=\nLingua=\n"
                                           "[Dati]\nFileAppoggioDVDP=\nLingua=\nPaese=\n");
    const Settings settings = loadSettings(folder / "Ravello.INI");
    EXPECT_EQ(settings.styleName, "Glow");
    EXPECT_EQ(settings.languageIndex, 1);
    EXPECT_EQ(settings.exportFile, defaultSettings().exportFile);
    EXPECT_EQ(settings.tmdbLanguage, ""); // the language box shows what was stored
    EXPECT_EQ(settings.country, "");
}

TEST(SettingsFile, RoundTripKeepsEveryValue)
{
    TemporaryFolder folder;
    Settings settings;
    settings.styleName = "Carbon";
    settings.languageIndex = 0;
    settings.exportFile = "c:\\Dati\\Collezione \xC3\xA8.xml";
    settings.dvdProfilerFolder = "c:\\";
    settings.exportStamp = {2024, 2, 29, 23, 59, 58};
    settings.tmdbLanguage = "it-IT";
    settings.country = "IT";
    settings.tmdbKey = "eyJhbGciOiJIUzI1NiJ9.abc.def";
    settings.geometry = {-5, 1920, 800, 600};
    settings.birthYearsFromTmdb = true;
    settings.prepareNextProfiles = false;
    settings.fullSeriesCrew = true;
    ASSERT_TRUE(saveSettings(folder / "Ravello.INI", settings));

    Settings expected = settings;
    expected.databaseVersion = kDatabaseVersion;
    EXPECT_EQ(loadSettings(folder / "Ravello.INI"), expected);
}

TEST(SettingsFile, WritesSectionsAndKeysInOrderWithoutBlanks)
{
    TemporaryFolder folder;
    ASSERT_TRUE(saveSettings(folder / "Ravello.INI", defaultSettings()));
    const std::string bytes = readFileBytes(folder / "Ravello.INI");
    const char* inOrder[] = {
        "[Impostazioni]",    "Tema=Glow",         "Lingua=1",      "[Dati]",
        "FileAppoggioDVDP=", "PathDatabaseDVDP=", "LastAnno=99",   "LastMese=99",
        "LastGiorno=99",     "LastOra=99",        "LastMinuto=99", "LastSecondo=99",
        "Lingua=en-US",      "Paese=US",          "ChiaveTMDb=",   "AnniNascitaTMDb=0",
        "PreparaProfili=1",  "[Posizione]",       "Top=0",         "Left=0",
        "Width=1056",        "Height=1036",       "[Database]",    "Versione=2"};
    std::size_t at = 0;
    for (const char* expected : inOrder) {
        const std::size_t found = bytes.find(expected, at);
        ASSERT_NE(found, std::string::npos) << expected << " in\n" << bytes;
        at = found + 1;
    }
}

TEST(SettingsFile, SaveKeepsEntriesItDoesNotKnowAndBackslashesAsWritten)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "Ravello.INI", "[Altro]\nChiave=valore\n");
    Settings settings = defaultSettings();
    settings.dvdProfilerFolder = "c:\\";
    ASSERT_TRUE(saveSettings(folder / "Ravello.INI", settings));
    const std::string bytes = readFileBytes(folder / "Ravello.INI");
    EXPECT_NE(bytes.find("Chiave=valore"), std::string::npos);
    EXPECT_NE(bytes.find(std::string("PathDatabaseDVDP=c:\\") + kLineEnd), std::string::npos);
}

TEST(SettingsFile, FailedSaveLeavesTheOldFile)
{
    TemporaryFolder folder;
    const auto file = folder / "missing-folder" / "Ravello.INI";
    EXPECT_FALSE(saveSettings(file, defaultSettings()));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

} // namespace
} // namespace ravello::settings
