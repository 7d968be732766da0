// SPDX-License-Identifier: MIT
#include "core/files/atomic_file.h"

#include <atomic>
#include <chrono>
#include <string>
#include <system_error>

namespace ravello::files {
namespace fs = std::filesystem;
namespace {

// A name no other writer of the same target uses at the same moment, in the same process or
// another one.
fs::path temporaryPathFor(const fs::path& target)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path temporary = target;
    temporary += ".tmp" + std::to_string(stamp) + "-" + std::to_string(counter++);
    return temporary;
}

} // namespace

AtomicFile::AtomicFile(fs::path target)
    : m_target(std::move(target)), m_temporary(temporaryPathFor(m_target)),
      m_stream(m_temporary, std::ios::binary | std::ios::trunc)
{}

AtomicFile::~AtomicFile()
{
    if (m_committed)
        return;
    if (m_stream.is_open())
        m_stream.close();
    std::error_code ignored;
    fs::remove(m_temporary, ignored);
}

bool AtomicFile::commit()
{
    if (!m_stream.is_open())
        return false;
    m_stream.flush();
    const bool written = m_stream.good();
    m_stream.close();
    if (!written || m_stream.fail())
        return false;
    std::error_code error;
    fs::rename(m_temporary, m_target, error);
    if (error)
        return false;
    m_committed = true;
    return true;
}

bool writeFileAtomically(const fs::path& target, std::string_view bytes)
{
    AtomicFile file(target);
    if (!file.isOpen())
        return false;
    file.stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.commit();
}

} // namespace ravello::files
