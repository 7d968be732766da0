// SPDX-License-Identifier: MIT
#include "core/collection/collection_import.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "core/collection/background_credits_reader.h"
#include "core/collection/export_timestamp.h"
#include "core/collection/index_record.h"
#include "core/collection/line_marks.h"
#include "core/collection/line_reader.h"
#include "core/collection/profile_reader.h"
#include "core/files/atomic_file.h"
#include "core/files/path_text.h"
#include "core/files/program_folders.h"

namespace ravello::collection {
namespace {

// Feeds every line of the export to the profile reader, and the cast and crew lines with the
// profiles' <ID> lines to the credits reader, a text of lines at a time, reporting progress
// after every record and every block. False when reading stopped on an error.
bool readExport(LineReader& lines, ProfileReader& profiles, BackgroundCreditsReader& credits,
                const ImportProgressCallback& progress)
{
    std::string_view text;
    int reportedRecords = 0;
    std::uint64_t reportedBlocks = 0;
    while (lines.nextLines(text)) {
        MarkedLines marked(text);
        std::string_view line;
        LineMarks marks = 0;
        while (marked.next(line, marks)) {
            profiles.readLine(line, marks);
            if (marks & kMarkPerson)
                credits.readPersonLine(line);
            else if (marks & kMarkDivider)
                credits.readDividerLine(line);
            else if (marks & kMarkId)
                credits.readProfileStart(line);
            if (progress && (profiles.recordCount() != reportedRecords ||
                             lines.blocksRead() != reportedBlocks)) {
                reportedRecords = profiles.recordCount();
                reportedBlocks = lines.blocksRead();
                progress({reportedRecords, lines.position(), lines.size()});
            }
        }
        credits.endText();
    }
    return !lines.failed();
}

// Every record begins with its zero-padded collection and occurrence numbers, which no two
// records share: the records go in the order of those numbers, which is their byte order,
// sorted by the numbers alone. They go out in pieces of about a megabyte: a few large writes
// rather than one for every few kilobytes.
void writeIndex(std::ostream& index, const std::vector<std::string>& records)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> order; // numbers, place
    order.reserve(records.size());
    for (const std::string& record : records) {
        const auto numbers = static_cast<std::uint32_t>(recordCollectionNumber(record) * 1000 +
                                                        recordOccurrence(record));
        order.emplace_back(numbers, static_cast<std::uint32_t>(order.size()));
    }
    std::sort(order.begin(), order.end());
    constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
    std::string piece;
    piece.reserve(kPieceBytes);
    const auto writePiece = [&] {
        index.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        piece.clear();
    };
    for (const auto& [numbers, place] : order) {
        piece += records[place];
        piece += "\r\n";
        if (piece.size() >= kPieceBytes)
            writePiece();
    }
    writePiece();
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
    {ImportFailure::IndexNotWritten,
     "cannot write the title index or the people and episode tables beside it "},
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
    // The credits reader reads the cast and crew lines where they stand, in the buffers.
    LineReader lines(exportFile, LineReader::kDefaultBlockSize, LineReader::kDefaultMaxLineBytes,
                     BackgroundCreditsReader::kTextsKept + 1);
    if (!lines.isOpen())
        return failure(openingFailure(exportFile), exportFile);
    std::error_code ignored;
    std::filesystem::create_directories(indexFile.parent_path(), ignored);
    files::AtomicFile peopleFile(files::ProgramFolders::peopleTableBeside(indexFile));
    files::AtomicFile episodeFile(files::ProgramFolders::episodeTableBeside(indexFile));
    ProfileReader profiles;
    BackgroundCreditsReader credits(peopleFile.stream(), episodeFile.stream());
    if (!readExport(lines, profiles, credits, progress))
        return failure(lines.lineTooLong() ? ImportFailure::ExportLineTooLong
                                           : ImportFailure::ExportReadError,
                       exportFile);
    ImportResult result;
    result.records = profiles.recordCount();
    result.skipped = profiles.skipped();
    result.unnumbered = profiles.unnumbered();
    if (progress)
        progress({result.records, lines.position(), lines.size()});
    // The index is written while the credits reader ends its last texts; the tables go into
    // place with the index or not at all, the episode table even when it is empty, so that no
    // table of an earlier export stays beside the index.
    files::AtomicFile index(indexFile);
    if (index.isOpen())
        writeIndex(index.stream(), profiles.records());
    credits.finish();
    result.people = credits.peopleCount();
    result.damagedPeople = credits.damaged();
    result.episodeProfiles = credits.episodeProfiles();
    if (!index.isOpen() || !commitTogether(index, {&peopleFile, &episodeFile})) {
        setFailure(result, ImportFailure::IndexNotWritten, indexFile);
        return result;
    }
    result.status = ImportStatus::Imported;
    result.exportStamp = readExportTimestamp(exportFile);
    return result;
}

} // namespace ravello::collection
