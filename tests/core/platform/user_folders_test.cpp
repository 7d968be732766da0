// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "core/files/path_text.h"
#include "core/files/program_folders.h"
#include "core/platform/user_folders.h"
#include "tests/support/environment_variable.h"
#include "tests/support/temporary_folder.h"

namespace ravello::platform {
namespace {

// The program's folder is Orvanet/RAVELLO in the user's data folder (%APPDATA% on Windows),
// whatever characters the folder's name holds.
TEST(UserFolders, ProgramFolderIsInTheUserDataFolderWhateverItsName)
{
    testing::TemporaryFolder folder;
    const auto dataFolder = folder / "Filmoth\xC3\xA8que \xC3\xBC \xD0\xA1";
    testing::EnvironmentVariableScope userData(testing::kUserDataVariable,
                                               files::utf8FromPath(dataFolder));
    EXPECT_EQ(userDataFolder(), dataFolder);
    EXPECT_EQ(files::ProgramFolders::under(userDataFolder()).database(),
              dataFolder / "Orvanet" / "RAVELLO");
}

} // namespace
} // namespace ravello::platform
