// SPDX-License-Identifier: MIT
// SIGKILL at random moments of an import, a cache write and a settings save, in a loop:
// afterwards every file is the old one or the new one, never a half one.
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "core/settings/settings_file.h"
#include "core/tmdb/token_lines.h"
#include "tests/support/fake_tmdb_server.h"
#include "tests/support/synthetic_export.h"
#include "tests/support/temporary_folder.h"

extern char** environ;

namespace ravello::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono;

constexpr int kRounds = 25;

// Starts ravello-cli with the arguments, its output thrown away.
pid_t startCli(const std::vector<std::string>& arguments)
{
    std::vector<std::string> words{RAVELLO_CLI_PATH};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return started == 0 ? pid : -1;
}

// Kills the process after `delay` (when it still runs) and reaps it; true when it had ended
// on its own with status 0.
bool killAfter(pid_t pid, microseconds delay)
{
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

microseconds runToEnd(const std::vector<std::string>& arguments)
{
    const auto start = steady_clock::now();
    const pid_t pid = startCli(arguments);
    EXPECT_GT(pid, 0);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return duration_cast<microseconds>(steady_clock::now() - start);
}

std::size_t temporaryFilesUnder(const fs::path& folder)
{
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        count += entry.path().filename().string().find(".tmp") != std::string::npos ? 1 : 0;
    return count;
}

// Kill moments spread from the start to a little past the end of an uninterrupted run.
class KillMoments
{
public:
    explicit KillMoments(microseconds wholeRun) : m_pick(0, wholeRun.count() * 6 / 5) {}
    microseconds next() { return microseconds(m_pick(m_random)); }

private:
    std::mt19937 m_random{20261208};
    std::uniform_int_distribution<long long> m_pick;
};

TEST(CrashSafety, KilledImportLeavesTheOldOrTheNewIndex)
{
    TemporaryFolder folder;
    const fs::path exportFile = folder / "Collection.xml";
    {
        std::ofstream out(exportFile, std::ios::binary);
        SyntheticExportOptions shape;
        shape.profiles = 3000;
        writeSyntheticExport(out, shape);
    }
    const fs::path index = folder / "DatabaseDVDP.TXT";
    runToEnd({"--data-dir", folder.path().string(), "import",
              fixturePath("collection/collection.xml").string(), index.string()});
    const std::string oldIndex = readFileBytes(index);
    const microseconds wholeRun = runToEnd(
        {"--data-dir", folder.path().string(), "import", exportFile.string(), index.string()});
    const std::string newIndex = readFileBytes(index);
    ASSERT_NE(oldIndex, newIndex);

    KillMoments moments(wholeRun);
    int finished = 0;
    for (int round = 0; round < kRounds; ++round) {
        writeFileBytes(index, oldIndex);
        const pid_t pid = startCli(
            {"--data-dir", folder.path().string(), "import", exportFile.string(), index.string()});
        ASSERT_GT(pid, 0);
        finished += killAfter(pid, moments.next()) ? 1 : 0;
        const std::string bytes = readFileBytes(index);
        ASSERT_TRUE(bytes == oldIndex || bytes == newIndex) << "round " << round;
    }
    std::cout << "import of " << wholeRun.count() / 1000 << " ms: " << kRounds - finished << " of "
              << kRounds << " runs killed, " << temporaryFilesUnder(folder.path())
              << " temporary files left\n";
}

// A film document of about 1.2 MB in 6,000 token lines, so that writing its cache file takes
// long enough to be interrupted.
std::string bigFilmDocument()
{
    std::string document = "{\"id\":4321,\"title\":\"Big\"";
    for (int key = 0; key < 6000; ++key)
        document += ",\"k" + std::to_string(key) + "\":\"" + std::string(190, 'v') + "\"";
    return document + "}";
}

TEST(CrashSafety, KilledFilmCommandLeavesNoHalfCacheFile)
{
    FakeTmdbServer server;
    ASSERT_TRUE(server.isListening());
    setenv("RAVELLO_TMDB_API_URL", server.url().c_str(), 1);
    setenv("RAVELLO_TMDB_IMAGE_URL", server.url().c_str(), 1);
    TemporaryFolder folder;
    ravello::settings::Settings withKey;
    withKey.tmdbKey = "0123456789abcdef0123456789abcdef";
    ASSERT_TRUE(ravello::settings::saveSettings(folder / "Ravello.INI", withKey));
    const fs::path details = folder / "DB/Movie/FilmData/0004/data_0004321.txt";
    const fs::path credits = folder / "DB/Movie/Actors/0004/data_0004321.txt";
    const std::string document = bigFilmDocument();
    const std::string cacheBytes = tmdb::tokenFileBytes(tmdb::splitTokens(document));
    const ScriptedAnswer answer{200, document, "application/json;charset=utf-8", {}, 0, true, {}};
    const std::vector<std::string> film{"--data-dir", folder.path().string(), "film", "4321"};

    server.queueAnswer(answer);
    server.queueAnswer(answer);
    const microseconds wholeRun = runToEnd(film);
    ASSERT_EQ(readFileBytes(details), cacheBytes);

    KillMoments moments(wholeRun);
    for (int round = 0; round < kRounds; ++round) {
        fs::remove(details);
        fs::remove(credits);
        server.reset();
        server.queueAnswer(answer);
        server.queueAnswer(answer);
        const pid_t pid = startCli(film);
        ASSERT_GT(pid, 0);
        killAfter(pid, moments.next());
        for (const fs::path& file : {details, credits}) {
            if (fs::exists(file)) {
                ASSERT_EQ(readFileBytes(file), cacheBytes) << "round " << round;
            }
        }
    }
    std::cout << "film opening of " << wholeRun.count() / 1000
              << " ms: " << temporaryFilesUnder(folder.path()) << " temporary files left\n";
}

// The settings file is saved over and over, alternating two settings, by a child process
// that is killed at a random moment.
TEST(CrashSafety, KilledSettingsSaveLeavesTheOldOrTheNewFile)
{
    TemporaryFolder folder;
    settings::Settings first = settings::defaultSettings();
    first.tmdbKey = "first-key-0123456789";
    first.exportFile = "C:\\" + std::string(20000, 'a') + "\\Collection.xml";
    settings::Settings second = first;
    second.tmdbKey = "second-key-9876543210";
    second.dvdProfilerFolder = "D:\\" + std::string(30000, 'b');
    ASSERT_TRUE(settings::saveSettings(folder / "first.ini", first));
    ASSERT_TRUE(settings::saveSettings(folder / "second.ini", second));
    const std::string firstBytes = readFileBytes(folder / "first.ini");
    const std::string secondBytes = readFileBytes(folder / "second.ini");
    const fs::path file = folder / "Ravello.INI";

    std::mt19937 random(1252);
    std::uniform_int_distribution<int> pause(0, 20000);
    for (int round = 0; round < kRounds * 2; ++round) {
        writeFileBytes(file, firstBytes);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int save = 0;; ++save)
                settings::saveSettings(file, save % 2 ? first : second);
        }
        killAfter(pid, microseconds(pause(random)));
        const std::string bytes = readFileBytes(file);
        ASSERT_TRUE(bytes == firstBytes || bytes == secondBytes) << "round " << round;
    }
    std::cout << temporaryFilesUnder(folder.path()) << " temporary files left\n";
}

} // namespace
} // namespace ravello::testing
