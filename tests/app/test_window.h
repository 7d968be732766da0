// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>

#include "app/frame/main_window.h"
#include "app/window_services.h"

// The main window on services of its own, made as the program's entry point makes them, below
// `userDataFolder`; they live as long as the window.
struct TestWindowServices
{
    TestWindowServices(const std::filesystem::path& userDataFolder, ravello::tmdb::Hosts hosts)
        : services(userDataFolder, std::move(hosts))
    {}
    ravello::app::WindowServices services;
};

class TestWindow : private TestWindowServices, public TForm1
{
public:
    explicit TestWindow(const std::filesystem::path& userDataFolder,
                        ravello::tmdb::Hosts hosts = {})
        : TestWindowServices(userDataFolder, std::move(hosts)), TForm1(services)
    {}
};
