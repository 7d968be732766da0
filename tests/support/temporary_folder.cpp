// SPDX-License-Identifier: MIT
#include "tests/support/temporary_folder.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace ravello::testing {
namespace fs = std::filesystem;

TemporaryFolder::TemporaryFolder()
{
    std::random_device random;
    for (;;) {
        m_path = fs::temp_directory_path() / ("ravello-test-" + std::to_string(random()));
        if (fs::create_directory(m_path))
            break;
    }
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

std::string readFileBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeFileBytes(const fs::path& file, std::string_view bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path fixturePath(std::string_view relativePath)
{
    return files::pathFromUtf8(RAVELLO_FIXTURES_DIR) / files::pathFromUtf8(relativePath);
}

} // namespace ravello::testing
