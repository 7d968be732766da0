// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <sstream>

#include "cli/cli_context.h"
#include "tests/cli/cli_run.h"
#include "tests/support/temporary_folder.h"

namespace ravello::cli {
namespace {

CliRun run(const Arguments& arguments, const std::string& input = "")
{
    return runCapturing(arguments, input);
}

TEST(Cli, HelpListsEveryCommand)
{
    const CliRun help = run({"--help"});
    EXPECT_EQ(help.status, kSuccess);
    for (const Command& command : commands())
        EXPECT_NE(help.out.find(command.name), std::string::npos) << command.name;
}

TEST(Cli, VersionNamesTheProgramVersion)
{
    const CliRun version = run({"--version"});
    EXPECT_EQ(version.status, kSuccess);
    EXPECT_EQ(version.out, "ravello-cli 1.1.0.1007\n");
}

TEST(Cli, UsageErrorsExitWithTwoAndExplain)
{
    for (const Arguments& arguments :
         {Arguments{}, Arguments{"--data-dir"}, Arguments{"--bogus", "normalise"},
          Arguments{"no-such-command"}, Arguments{"normalise", "extra"}}) {
        const CliRun result = run(arguments);
        EXPECT_EQ(result.status, kUsageError);
        EXPECT_NE(result.err.find("usage: ravello-cli"), std::string::npos);
        EXPECT_TRUE(result.out.empty());
    }
}

TEST(Cli, NormaliseMapsBytesInToBytesOut)
{
    const CliRun result = run({"--data-dir", "unused", "normalise"}, "Caf\xC3\xA9 \\\"x\\\"\n");
    EXPECT_EQ(result.status, kSuccess);
    EXPECT_EQ(result.out, "Caf\xE9 \"x\"\n");
}

} // namespace
} // namespace ravello::cli
