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

constexpr struct
{
    ImportFailure failure;
    const char* sentence;
} kFailureSentences[] = {
    {ImportFailure::ExportMissing, "there is no export "},
    {ImportFailure::ExportNotOpened, "cannot open the export "},
    {ImportFailure::ExportReadError, "cannot read the export "},
    {ImportFailure::ExportLineTooLong, "no export: a line longer than 256 MB in "},
    {ImportFailure::IndexNotWritten, "cannot write the title index "},
};

void setFailure(ImportResult& result, ImportFailure failure, const std::filesystem::path& file)
{
    result.status = failure == ImportFailure::IndexNotWritten ? ImportStatus::IndexNotWritten
                                                              : ImportStatus::ExportUnreadable;
    result.failure = failure;
    result.failedFile = file;
    for (const auto& entry : kFailureSentences) {
        if (entry.failure == failure)
            result.detail = entry.sentence + files::utf8FromPath(file);
    }
}

ImportResult failure(ImportFailure failure, const std::filesystem::path& file)
{
    ImportResult result;
    setFailure(result, failure, file);
    return result;
}

// A path that names nothing is told apart from one that cannot be opened; a path that cannot
// even be checked counts as one that cannot be opened.
ImportFailure openingFailure(const std::filesystem::path& exportFile)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(exportFile, error);
    return exists || error ? ImportFailure::ExportNotOpened : ImportFailure::ExportMissing;
}

} // namespace

ImportResult importCollection(const std::filesystem::path& exportFile,
                              const std::filesystem::path& indexFile,
                              const ImportProgressCallback& progress)
{
    LineReader lines(exportFile, LineReader::kDefaultBlockSize);
    if (!lines.isOpen())
        return failure(openingFailure(exportFile), exportFile);
    ProfileReader profiles;
    if (!readProfiles(lines, profiles, progress))
        return failure(lines.lineTooLong() ? ImportFailure::ExportLineTooLong
                                           : ImportFailure::ExportReadError,
                       exportFile);
    ImportResult result;
    result.records = profiles.recordCount();
    result.skipped = profiles.skipped();
    result.unnumbered = profiles.unnumbered();
    if (progress)
        progress({result.records, lines.position(), lines.size()});
    std::vector<std::string> records = profiles.takeRecords();
    if (!writeIndex(indexFile, records)) {
        setFailure(result, ImportFailure::IndexNotWritten, indexFile);
        return result;
    }
    result.status = ImportStatus::Imported;
    result.exportStamp = readExportTimestamp(exportFile);
    return result;
}

} // namespace ravello::collection
