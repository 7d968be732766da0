// SPDX-License-Identifier: MIT
#include "core/collection/export_timestamp.h"

#include <chrono>
#include <ctime>
#include <system_error>

namespace ravello::collection {
namespace {

std::chrono::system_clock::time_point toSystemClock(std::filesystem::file_time_type time)
{
#if defined(__cpp_lib_chrono) && __cpp_lib_chrono >= 201907L
    return std::chrono::clock_cast<std::chrono::system_clock>(time);
#else
    // Before clock_cast, libstdc++'s file clock converts itself.
    return std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        std::chrono::file_clock::to_sys(time));
#endif
}

} // namespace

std::optional<settings::ExportStamp> readExportTimestamp(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const auto written = std::filesystem::last_write_time(file, error);
    if (error)
        return std::nullopt;
    const auto seconds = std::chrono::floor<std::chrono::seconds>(toSystemClock(written));
    const std::time_t time = std::chrono::system_clock::to_time_t(seconds);
    // The program reads the time on its one thread, so the shared buffer of localtime is safe.
    const std::tm* local = std::localtime(&time);
    if (local == nullptr)
        return std::nullopt;
    return settings::ExportStamp{local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
                                 local->tm_hour,        local->tm_min,     local->tm_sec};
}

bool exportChanged(const std::filesystem::path& exportFile, const settings::ExportStamp& stamp)
{
    const auto current = readExportTimestamp(exportFile);
    return current.has_value() && *current != stamp;
}

} // namespace ravello::collection
