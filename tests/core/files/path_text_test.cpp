// SPDX-License-Identifier: MIT
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/files/path_text.h"
#include "tests/support/temporary_folder.h"

namespace ravello::files {
namespace {

namespace fs = std::filesystem;
using testing::readFileBytes;
using testing::TemporaryFolder;
using testing::writeFileBytes;

// Names the ANSI code page of a Western Windows cannot hold, or holds as other bytes: accents,
// Cyrillic, Japanese, and a character beyond 16 bits (a surrogate pair in UTF-16).
constexpr const char* kNames[] = {
    "Filmoth\xC3\xA8que \xC3\xBC",                              // Filmothèque ü
    "Collezione \xC3\xA8.xml",                                  // Collezione è.xml
    "\xD0\xA1\xD1\x82\xD0\xB0\xD0\xBB\xD0\xBA\xD0\xB5\xD1\x80", // Сталкер
    "\xE4\xB8\x83\xE4\xBA\xBA\xE3\x81\xAE\xE4\xBE\x8D",         // 七人の侍
    "Film \xF0\x9F\x8E\xAC",                                    // Film 🎬
};

// A file made under a UTF-8 name is found again under the same name, and the folder lists it
// with the same text.
TEST(PathText, NamesKeepEveryCharacterOnTheDiskAndBack)
{
    TemporaryFolder folder;
    std::vector<std::string> written;
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        const fs::path file = folder.path() / pathFromUtf8(name);
        EXPECT_EQ(utf8FromPath(file.filename()), name);
        writeFileBytes(file / "inside.txt", name);
        EXPECT_EQ(readFileBytes(folder.path() / pathFromUtf8(std::string(name) + "/inside.txt")),
                  name);
        written.emplace_back(name);
    }
    std::vector<std::string> listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.path()))
        listed.push_back(utf8FromPath(entry.path().filename()));
    std::sort(written.begin(), written.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, written);
}

} // namespace
} // namespace ravello::files
