// SPDX-License-Identifier: MIT
#include "core/collection/collection_import.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "core/collection/export_timestamp.h"
#include "core/collection/line_reader.h"
#include "core/collection/profile_reader.h"
#include "core/files/atomic_file.h"
#include "core/files/path_text.h"

namespace ravello::collection {
namespace {

// Feeds every line of the export to the profile reader, reporting progress after every
// record and every block. False when reading stopped on an error.
bool readProfiles(LineReader& lines, ProfileReader& profiles,
                  const ImportProgressCallback& progress)
{
    std::string_view line;
    int reportedRecords = 0;
    std::uint64_t reportedBlocks = 0;
    while (lines.next(line)) {
        profiles.readLine(line);
        if (progress &&
            (profiles.recordCount() != reportedRecords || lines.blocksRead() != reportedBlocks)) {
            reportedRecords = profiles.recordCount();
            reportedBlocks = lines.blocksRead();
            progress({reportedRecords, lines.position(), lines.size()});
        }
    }
    return !lines.failed();
}

// Every record begins with its zero-padded collection and occurrence numbers, which no two
// records share, so byte order sorts by collection number and then occurrence.
bool writeIndex(const std::filesystem::path& indexFile, std::vector<std::string>& records)
{
    std::sort(records.begin(), records.end());
    std::error_code ignored;
    std::filesystem::create_directories(indexFile.parent_path(), ignored);
    files::AtomicFile file(indexFile);
    if (!file.isOpen())
        return false;
    for (const std::string& record : records)
        file.stream().write(record.data(), static_cast<std::streamsize>(record.size())) << "\r\n";
    return file.commit();
}

ImportResult failure(ImportStatus status, std::string detail)
{
    ImportResult result;
    result.status = status;
    result.detail = std::move(detail);
    return result;
}

} // namespace

ImportResult importCollection(const std::filesystem::path& exportFile,
                              const std::filesystem::path& indexFile,
                              const ImportProgressCallback& progress)
{
    LineReader lines(exportFile, LineReader::kDefaultBlockSize);
    if (!lines.isOpen())
        return failure(ImportStatus::ExportUnreadable,
                       "cannot open the export " + files::utf8FromPath(exportFile));
    ProfileReader profiles;
    if (!readProfiles(lines, profiles, progress))
        return failure(ImportStatus::ExportUnreadable,
                       (lines.lineTooLong() ? "no export: a line longer than 256 MB in "
                                            : "cannot read the export ") +
                           files::utf8FromPath(exportFile));
    ImportResult result;
    result.records = profiles.recordCount();
    result.skipped = profiles.skipped();
    result.unnumbered = profiles.unnumbered();
    if (progress)
        progress({result.records, lines.position(), lines.size()});
    std::vector<std::string> records = profiles.takeRecords();
    if (!writeIndex(indexFile, records)) {
        result.status = ImportStatus::IndexNotWritten;
        result.detail = "cannot write the title index " + files::utf8FromPath(indexFile);
        return result;
    }
    result.status = ImportStatus::Imported;
    result.exportStamp = readExportTimestamp(exportFile);
    return result;
}

} // namespace ravello::collection
