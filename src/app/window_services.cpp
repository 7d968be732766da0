// SPDX-License-Identifier: MIT
#include "app/window_services.h"

#include <system_error>

#include "core/settings/settings_file.h"

namespace ravello::app {
namespace {

std::filesystem::path workingFolder()
{
    std::error_code error;
    std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::filesystem::path() : folder;
}

files::ProgramFolders madeFolders(const std::filesystem::path& userDataFolder)
{
    files::ProgramFolders folders = files::ProgramFolders::under(userDataFolder);
    folders.makeTree();
    return folders;
}

} // namespace

WindowServices::WindowServices(const std::filesystem::path& dataFolder, tmdb::Hosts apiHosts)
    : folders(madeFolders(dataFolder)), userDataFolder(dataFolder), startupFolder(workingFolder()),
      settings(settings::loadSettings(folders.settingsFile())), hosts(std::move(apiHosts)),
      endpoint(tmdb::Endpoint::fromSettings(settings, hosts)),
      limiter(std::make_shared<tmdb::RequestLimiter>()), fetcher({}, limiter),
      batchFetcher({}, limiter), films(folders, endpoint, fetcher),
      seasons(folders, endpoint, fetcher), photos(folders, endpoint, fetcher),
      people(folders, endpoint, batchFetcher),
      crewMapping(output::loadCrewMapping(folders.crewMappingFile())),
      peopleTable(collection::PeopleTable::load(folders.peopleTableFile()))
{}

void WindowServices::reloadPeopleTable()
{
    peopleTable = collection::PeopleTable::load(folders.peopleTableFile());
}

} // namespace ravello::app
