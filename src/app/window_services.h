// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <memory>

#include "core/collection/people_table.h"
#include "core/files/program_folders.h"
#include "core/output/crew_mapping_file.h"
#include "core/output/photo_cache.h"
#include "core/settings/settings.h"
#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/fetcher.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/person_cache.h"
#include "core/tmdb/request_limiter.h"
#include "core/tmdb/season_cache.h"

namespace ravello::app {

// What the window works with, made once by the program's entry point (and by tests) and handed
// to the window, which makes none of it: the program's folders and the settings read there, how
// to reach TMDb, the caches and the crew mapping in effect. It must outlive the window.
struct WindowServices
{
    // Makes the program's folder tree below `dataFolder` and reads the settings and the crew
    // mapping there; TMDb is asked at `apiHosts`.
    explicit WindowServices(const std::filesystem::path& dataFolder, tmdb::Hosts apiHosts = {});
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;

    files::ProgramFolders folders;
    std::filesystem::path userDataFolder;
    // The folder the program was started from, where a not-found picture of the user's may lie;
    // empty when that folder no longer exists.
    std::filesystem::path startupFolder;
    settings::Settings settings; // as read at start
    tmdb::Hosts hosts;
    // Follows the key and the TMDb language on the Settings page; the caches read it as it is.
    tmdb::Endpoint endpoint;
    // The one ceiling of the program's requests to TMDb: every fetcher of the window, and the
    // preparation's on its thread, start their requests by it.
    std::shared_ptr<tmdb::RequestLimiter> limiter;
    // Every request the user starts goes through `fetcher`; the birth years through
    // `batchFetcher`, many side by side.
    tmdb::Fetcher fetcher;
    tmdb::BatchFetcher batchFetcher;
    tmdb::FilmCache films;
    tmdb::SeasonCache seasons;
    output::PhotoCache photos;
    tmdb::PersonCache people;
    output::LoadedCrewMapping crewMapping;
    // The people of the user's collection, as the last import wrote them.
    collection::PeopleTable peopleTable;

    // Reads the people table again, after an import has replaced it.
    void reloadPeopleTable();
};

} // namespace ravello::app
