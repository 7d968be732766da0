// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string_view>

namespace ravello::files {

// Writes a file so that readers only ever see the old content or the whole new one: the
// bytes go to a temporary file in the same folder, which replaces the target only on commit().
// A writer destroyed without commit() removes its temporary file and leaves the target as it
// was; temporary files of the target older than ten minutes (left by a killed writer) are
// removed when the next writer of the target starts.
class AtomicFile
{
public:
    explicit AtomicFile(std::filesystem::path target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // False when the temporary file could not be created.
    bool isOpen() const { return m_stream.is_open(); }
    std::ofstream& stream() { return m_stream; }
    const std::filesystem::path& temporaryPath() const { return m_temporary; }

    // Flushes, closes and renames the temporary file onto the target. False (and the target
    // unchanged) on any write or rename failure.
    bool commit();

    // Commits files as one: every target is replaced, or none changes. The old files of the
    // others' targets wait aside, under temporary names, until the first is in place. False
    // when any could not be written or renamed, or a target is no plain file.
    friend bool commitTogether(AtomicFile& first, std::initializer_list<AtomicFile*> others);

private:
    bool closeWritten();
    bool moveIntoPlace();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::ofstream m_stream;
    bool m_committed = false;
};

// Replaces the file with `bytes` through an AtomicFile. False when it could not.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace ravello::files
