// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetcher.h"
#include "tests/support/fake_tmdb_server.h"

namespace ravello::testing {

// The one fake TMDb of the test program, started before the first test and stopped after the
// last.
FakeTmdbServer& fakeTmdb();

// Time-outs short enough for tests; the rules are those of the program.
tmdb::FetcherOptions quickOptions();

// Every test starts with a fake TMDb that has forgotten the previous test.
class NetworkTest : public ::testing::Test
{
protected:
    void SetUp() override { fakeTmdb().reset(); }

    FakeTmdbServer& server() { return fakeTmdb(); }
    tmdb::Endpoint endpoint(std::string key = "0123456789abcdef0123456789abcdef") const
    {
        return tmdb::Endpoint(fakeTmdb().url(), fakeTmdb().url(), std::move(key), "en-US");
    }
};

} // namespace ravello::testing
