// SPDX-License-Identifier: MIT
#include <chrono>
#include <cstdio>

#include "cli/commands.h"
#include "core/collection/collection_import.h"
#include "core/files/path_text.h"

namespace ravello::cli {
namespace {

// The export the program would import: the one named in the settings file.
std::filesystem::path defaultExportFile(const CliContext& context)
{
    return files::pathFromUtf8(context.settings.exportFile);
}

std::string secondsText(std::chrono::steady_clock::duration elapsed)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::chrono::duration<double>(elapsed).count());
    return text;
}

} // namespace

int runImport(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() > 2)
        return context.usageError("import takes at most an export file and an index file");
    const auto exportFile =
        arguments.empty() ? defaultExportFile(context) : files::pathFromUtf8(arguments[0]);
    const auto indexFile =
        arguments.size() < 2 ? context.folders.titleIndexFile() : files::pathFromUtf8(arguments[1]);
    const auto start = std::chrono::steady_clock::now();
    const collection::ImportResult result = collection::importCollection(exportFile, indexFile);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (result.status != collection::ImportStatus::Imported)
        return context.fail(result.detail);
    context.err << "ravello-cli: imported " << result.records << " titles, skipped "
                << result.skipped << " profiles (" << result.unnumbered
                << " without a collection number), " << result.people << " people";
    if (result.damagedPeople > 0)
        context.err << " (" << result.damagedPeople << " cast or crew lines unreadable)";
    context.err << ", " << result.episodeProfiles << " profiles with episode dividers";
    context.err << " in " << secondsText(elapsed) << " s\n";
    return kSuccess;
}

} // namespace ravello::cli
