// SPDX-License-Identifier: MIT
// Settings files no version of the program wrote: garbage, huge numbers, missing sections,
// binary bytes, a folder in the file's place. Loading never fails, and what was loaded saves
// and loads back the same.
#include <climits>
#include <gtest/gtest.h>
#include <string>

#include "core/settings/settings_file.h"
#include "tests/support/temporary_folder.h"

namespace ravello::settings {
namespace {

using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

// Loads the bytes as the settings file, then saves what was loaded over them and loads again.
Settings loadAndResave(const TemporaryFolder& folder, std::string_view bytes)
{
    const std::filesystem::path file = folder / "Ravello.INI";
    writeFileBytes(file, bytes);
    const Settings loaded = loadSettings(file);
    EXPECT_TRUE(saveSettings(file, loaded));
    Settings again = loadSettings(file);
    again.databaseVersion = loaded.databaseVersion; // saving writes the current version
    EXPECT_EQ(again, loaded);
    return loaded;
}

TEST(SettingsFaults, HugeNumbersStopAtTheLimits)
{
    TemporaryFolder folder;
    const Settings settings = loadAndResave(
        folder, "[Impostazioni]\nLingua=99999999999999999999\n"
                "[Dati]\nLastAnno=99999999999999999999999\nLastMese=-99999999999999999999\n"
                "[Posizione]\nTop=-99999999999\nLeft=2147483648\nWidth=1e99\nHeight=0x7fff\n"
                "[Database]\nVersione=99999999999\n");
    EXPECT_EQ(settings.languageIndex, kEnglish);
    EXPECT_EQ(settings.exportStamp.year, INT_MAX);
    EXPECT_EQ(settings.exportStamp.month, INT_MIN);
    EXPECT_EQ(settings.geometry, (WindowGeometry{INT_MIN, INT_MAX, 1, 0}));
    EXPECT_EQ(settings.databaseVersion, INT_MAX);
}

TEST(SettingsFaults, GarbageAndMissingSectionsGiveTheDefaults)
{
    TemporaryFolder folder;
    const std::string garbage[] = {
        "",
        "\xEF\xBB\xBF",
        "no section at all\nTema=Dark\n",
        "[Impostazioni\nTema=Unclosed\n",
        "[]\n=\n==\n[Dati]]\nLingua\n",
        "[Dati]\n" + std::string(100000, 'k') + "=" + std::string(100000, 'v') + "\n",
        std::string(64 * 1024, '\0'),
        std::string(64 * 1024, '\xFF'),
        "[Posizione]\r\r\r\nTop=\x01\x02\n[Posizione]\nTop=7\n",
    };
    for (const std::string& bytes : garbage) {
        SCOPED_TRACE(bytes.substr(0, 30));
        const Settings settings = loadAndResave(folder, bytes);
        EXPECT_EQ(settings.styleName, kDefaultStyle);
        EXPECT_EQ(settings.languageIndex, kEnglish);
        EXPECT_EQ(settings.tmdbLanguage, "en-US");
    }
}

TEST(SettingsFaults, ValuesFarLongerThanAnyFieldAreKeptWhole)
{
    TemporaryFolder folder;
    const std::string path = "C:\\" + std::string(70000, 'p') + "\\Collection.xml";
    const Settings settings = loadAndResave(folder, "[Dati]\nFileAppoggioDVDP=" + path + "\n");
    EXPECT_EQ(settings.exportFile, path);
}

TEST(SettingsFaults, FolderInPlaceOfTheFileGivesTheDefaultsAndAFailedSave)
{
    TemporaryFolder folder;
    std::filesystem::create_directories(folder / "Ravello.INI");
    EXPECT_EQ(loadSettings(folder / "Ravello.INI"), defaultSettings());
    EXPECT_FALSE(saveSettings(folder / "Ravello.INI", defaultSettings()));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Ravello.INI"));
}

} // namespace
} // namespace ravello::settings
