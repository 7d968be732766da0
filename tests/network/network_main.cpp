// SPDX-License-Identifier: MIT
#include <memory>

#include "tests/network/network_test.h"

namespace ravello::testing {
namespace {

std::unique_ptr<FakeTmdbServer> g_server;

class FakeTmdbEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        g_server = std::make_unique<FakeTmdbServer>();
        ASSERT_TRUE(g_server->isListening());
    }
    void TearDown() override { g_server.reset(); }
};

} // namespace

FakeTmdbServer& fakeTmdb()
{
    return *g_server;
}

tmdb::FetcherOptions quickOptions()
{
    tmdb::FetcherOptions options;
    options.connectTimeout = std::chrono::milliseconds(2000);
    options.lowSpeedTime = std::chrono::seconds(1);
    options.maxRetryWait = std::chrono::milliseconds(1500);
    options.defaultRetryWait = std::chrono::milliseconds(200);
    return options;
}

} // namespace ravello::testing

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ravello::testing::FakeTmdbEnvironment);
    return RUN_ALL_TESTS();
}
