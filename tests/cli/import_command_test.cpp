// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sstream>

#include "cli/cli_context.h"
#include "core/files/path_text.h"
#include "core/settings/settings_file.h"
#include "tests/cli/cli_run.h"
#include "tests/support/environment_variable.h"
#include "tests/support/temporary_folder.h"

namespace ravello::cli {
namespace {

using testing::fixturePath;
using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

struct ImportRun
{
    int status;
    std::string out;
    std::string err;
};

ImportRun runImportWith(const TemporaryFolder& dataDir, Arguments importArguments)
{
    Arguments arguments = {"--data-dir", files::utf8FromPath(dataDir.path()), "import"};
    arguments.insert(arguments.end(), importArguments.begin(), importArguments.end());
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(ImportCommand, WritesTheIndexNamedOnTheCommandLine)
{
    TemporaryFolder folder;
    const auto index = folder / "out" / "index.txt";
    const ImportRun run =
        runImportWith(folder, {files::utf8FromPath(fixturePath("collection/collection.xml")),
                               files::utf8FromPath(index)});
    EXPECT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(readFileBytes(index), readFileBytes(fixturePath("collection/collection_index.txt")));
    EXPECT_NE(run.err.find("imported 4 titles, skipped 3 profiles"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(" s\n"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

TEST(ImportCommand, DefaultsToTheSettingsExportAndTheProgramsIndex)
{
    TemporaryFolder folder;
    const auto folders = files::ProgramFolders::at(folder.path());
    settings::Settings stored = settings::defaultSettings();
    stored.exportFile = files::utf8FromPath(fixturePath("collection/collection.xml"));
    ASSERT_TRUE(settings::saveSettings(folders.settingsFile(), stored));
    const ImportRun run = runImportWith(folder, {});
    EXPECT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(readFileBytes(folders.titleIndexFile()),
              readFileBytes(fixturePath("collection/collection_index.txt")));
}

// Windows says that a name longer than it can hold is not there.
#ifdef _WIN32
constexpr const char* kOverlongNameSentence = "there is no export ";
#else
constexpr const char* kOverlongNameSentence = "cannot open the export ";
#endif

// An export that is not there, or that no one can open (a path through a file, a name over 255
// bytes), fails with the file named.
TEST(ImportCommand, ExportThatCannotBeHadFailsAndKeepsTheIndex)
{
    TemporaryFolder folder;
    writeFileBytes(folder / "index.txt", "old\r\n");
    writeFileBytes(folder / "file.txt", "not a folder");
    const struct
    {
        std::string exportFile;
        const char* sentence;
    } cases[] = {
        {files::utf8FromPath(folder / "none.xml"), "there is no export "},
        {files::utf8FromPath(folder / "file.txt" / "Collection.xml"), "there is no export "},
        {files::utf8FromPath(folder / std::string(300, 'n')), kOverlongNameSentence},
    };
    for (const auto& test : cases) {
        const ImportRun run =
            runImportWith(folder, {test.exportFile, files::utf8FromPath(folder / "index.txt")});
        EXPECT_EQ(run.status, kFailure);
        EXPECT_NE(run.err.find(test.sentence + test.exportFile), std::string::npos) << run.err;
        EXPECT_EQ(readFileBytes(folder / "index.txt"), "old\r\n");
    }
}

// A data folder and an export with accents in their names import the same index and people as
// plain ones, named on the command line or found through the user's data folder and the
// settings kept there.
TEST(ImportCommand, AccentedFolderAndExportImportTheSameTables)
{
    TemporaryFolder folder;
    const auto dataFolder = folder / "Filmoth\xC3\xA8que \xC3\xBC";
    const auto exportFile = folder / "Collezione \xC3\xA8.xml";
    writeFileBytes(exportFile, readFileBytes(fixturePath("collection/collection.xml")));
    const auto expectTables = [](const files::ProgramFolders& folders) {
        EXPECT_EQ(readFileBytes(folders.titleIndexFile()),
                  readFileBytes(fixturePath("collection/collection_index.txt")));
        EXPECT_EQ(readFileBytes(folders.peopleTableFile()),
                  readFileBytes(fixturePath("collection/collection_people.txt")));
    };

    const CliRun named = runCapturing(
        {"--data-dir", files::utf8FromPath(dataFolder), "import", files::utf8FromPath(exportFile)});
    EXPECT_EQ(named.status, kSuccess) << named.err;
    expectTables(files::ProgramFolders::at(dataFolder));

    const auto userFolders = files::ProgramFolders::under(dataFolder);
    std::filesystem::create_directories(userFolders.database());
    settings::Settings stored = settings::defaultSettings();
    stored.exportFile = files::utf8FromPath(exportFile);
    ASSERT_TRUE(settings::saveSettings(userFolders.settingsFile(), stored));
    testing::EnvironmentVariableScope userData(testing::kUserDataVariable,
                                               files::utf8FromPath(dataFolder));
    const CliRun found = runCapturing({"import"});
    EXPECT_EQ(found.status, kSuccess) << found.err;
    expectTables(userFolders);
}

TEST(ImportCommand, MoreThanTwoArgumentsAreAUsageError)
{
    TemporaryFolder folder;
    EXPECT_EQ(runImportWith(folder, {"a", "b", "c"}).status, kUsageError);
}

} // namespace
} // namespace ravello::cli
