// SPDX-License-Identifier: MIT
#include "core/files/atomic_file.h"

#include <atomic>
#include <chrono>
#include <string>
#include <system_error>
#include <vector>

#include "core/platform/file_replacement.h"

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

// A writer killed before its commit leaves its temporary file behind. One this old belongs to
// no writer that is still at work: the next writer of the same target removes it.
constexpr auto kStaleTemporaryAge = std::chrono::minutes(10);

void removeStaleTemporaries(const fs::path& target)
{
    fs::path::string_type prefix = target.filename().native();
    prefix += fs::path(".tmp").native();
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!entry->path().filename().native().starts_with(prefix))
            continue;
        std::error_code ignored;
        const auto written = fs::last_write_time(entry->path(), ignored);
        if (!ignored && now - written > kStaleTemporaryAge)
            fs::remove(entry->path(), ignored);
    }
}

fs::path withoutStaleTemporaries(fs::path target)
{
    removeStaleTemporaries(target);
    return target;
}

} // namespace

AtomicFile::AtomicFile(fs::path target)
    : m_target(withoutStaleTemporaries(std::move(target))), m_temporary(temporaryPathFor(m_target)),
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
    return closeWritten() && moveIntoPlace();
}

// Flushes and closes the temporary file; false when any of its bytes may be missing.
bool AtomicFile::closeWritten()
{
    if (!m_stream.is_open())
        return false;
    m_stream.flush();
    const bool written = m_stream.good();
    m_stream.close();
    return written && !m_stream.fail();
}

bool AtomicFile::moveIntoPlace()
{
    if (platform::replaceFile(m_temporary, m_target))
        return false;
    m_committed = true;
    return true;
}

namespace {

// A target's old file, moved aside while the new one takes its place.
struct SetAside
{
    AtomicFile* file = nullptr;
    fs::path aside; // empty when the target had no old file
};

} // namespace

bool commitTogether(AtomicFile& first, std::initializer_list<AtomicFile*> others)
{
    if (!first.closeWritten())
        return false;
    for (AtomicFile* other : others) {
        if (!other->closeWritten())
            return false;
    }
    std::vector<SetAside> placed;
    bool complete = true;
    for (AtomicFile* other : others) {
        std::error_code error;
        const fs::file_status status = fs::status(other->m_target, error);
        const bool hadOld = fs::exists(status);
        if (hadOld && !fs::is_regular_file(status)) {
            complete = false;
            break;
        }
        // Named as a temporary of the target: should the process die before the end, the next
        // writer of the target clears it away.
        SetAside set{other, hadOld ? temporaryPathFor(other->m_target) : fs::path()};
        if (hadOld) {
            if (platform::replaceFile(other->m_target, set.aside)) {
                complete = false;
                break;
            }
        }
        placed.push_back(std::move(set));
        if (!other->moveIntoPlace()) {
            complete = false;
            break;
        }
    }
    complete = complete && first.moveIntoPlace();
    std::error_code ignored;
    for (auto set = placed.rbegin(); set != placed.rend(); ++set) {
        if (set->aside.empty()) {
            if (!complete && set->file->m_committed)
                fs::remove(set->file->m_target, ignored);
        } else if (complete) {
            fs::remove(set->aside, ignored);
        } else {
            platform::replaceFile(set->aside, set->file->m_target); // the old over the new at once
        }
    }
    return complete;
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
