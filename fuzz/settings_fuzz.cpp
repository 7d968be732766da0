// SPDX-License-Identifier: MIT
// The settings loader on any bytes as Ravello.INI; what it read is saved and read back the
// same.
#include "core/settings/settings_file.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    const std::filesystem::path file = fuzz::scratchFolder() / "Ravello.INI";
    const std::filesystem::path saved = fuzz::scratchFolder() / "Saved.INI";
    fuzz::writeBytes(file, fuzz::textOf(data, size));
    settings::Settings loaded = settings::loadSettings(file);
    std::filesystem::remove(saved);
    fuzz::check(settings::saveSettings(saved, loaded));
    settings::Settings again = settings::loadSettings(saved);
    // Saving always writes the current database version.
    loaded.databaseVersion = again.databaseVersion;
    fuzz::check(again == loaded);
    return 0;
}
