// SPDX-License-Identifier: MIT
// fake-tmdb-server [--port N] [--fixtures DIR]: serves TMDb's API and image host from the
// fixture files on 127.0.0.1, prints its URL on the first line, and runs until interrupted.
#include <atomic>
#include <chrono>
#include <csignal>
#include <iostream>
#include <string>
#include <thread>

#include "tests/support/fake_tmdb_server.h"

namespace {

std::atomic<bool> g_stop{false};

void onSignal(int)
{
    g_stop = true;
}

int usage()
{
    std::cerr << "usage: fake-tmdb-server [--port N] [--fixtures DIR]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    int port = 0;
    std::filesystem::path fixtures = ravello::testing::FakeTmdbServer::defaultFixtures();
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 == argc)
            return usage();
        if (option == "--port")
            port = std::atoi(argv[++i]);
        else if (option == "--fixtures")
            fixtures = argv[++i];
        else
            return usage();
    }
    ravello::testing::FakeTmdbServer server(fixtures, port);
    if (!server.isListening()) {
        std::cerr << "fake-tmdb-server: cannot listen on port " << port << '\n';
        return 1;
    }
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    std::cout << server.url() << std::endl;
    while (!g_stop)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return 0;
}
