// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/files/path_text.h"

namespace ravello::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // `name` is UTF-8 text, as the program's paths are.
    std::filesystem::path operator/(std::string_view name) const
    {
        return m_path / files::pathFromUtf8(name);
    }

private:
    std::filesystem::path m_path;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string readFileBytes(const std::filesystem::path& file);
// Writes bytes to a file, making its folder first.
void writeFileBytes(const std::filesystem::path& file, std::string_view bytes);
// A file under tests/fixtures.
std::filesystem::path fixturePath(std::string_view relativePath);

} // namespace ravello::testing
