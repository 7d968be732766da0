// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/settings/settings.h"

namespace ravello::collection {

// How far an import has come: the number of the film just made (the status bar's "Import of
// the film number N") and the share of the export read.
struct ImportProgress
{
    int filmNumber = 0;
    std::uint64_t bytesRead = 0;
    std::uint64_t totalBytes = 0; // 0 when the export's size is unknown
};

// Called after every record and every block read, often: a caller that repaints should
// throttle. The last call carries the final count.
using ImportProgressCallback = std::function<void(const ImportProgress&)>;

enum class ImportStatus
{
    Imported,         // the index file was replaced
    ExportUnreadable, // the export could not be opened or read: nothing written
    IndexNotWritten,  // the index file could not be written: the old one stays
};

// Why an import failed, for each interface to word in its own language.
enum class ImportFailure
{
    None,              // imported
    ExportMissing,     // no file at the export's path
    ExportNotOpened,   // the export cannot be opened: a folder, no permission, a path refused
    ExportReadError,   // reading the export failed part-way
    ExportLineTooLong, // a line longer than 256 MB: the file is no export
    IndexNotWritten,   // the title index could not be written
};

struct ImportResult
{
    ImportStatus status = ImportStatus::ExportUnreadable;
    ImportFailure failure = ImportFailure::None;
    std::filesystem::path failedFile; // the export or the index the failure concerns
    int records = 0;                  // records written to the index
    int skipped = 0;                  // profiles whose values would break the index's columns
    int unnumbered = 0;               // profiles without a collection number (no record, by design)
    int people = 0;          // distinct people of the cast and crew written to the people table
    int damagedPeople = 0;   // cast and crew lines whose person could not be read
    int episodeProfiles = 0; // profiles whose episode dividers were written to the episode table
    // The export's last-write time, to be kept as the collection export stamp; only after a
    // successful import and when the time could be read.
    std::optional<settings::ExportStamp> exportStamp;
    // The failure in an English sentence with the file, for logs and the command line.
    std::string detail;
};

// Reads DVD Profiler's export and replaces the title index with its records, sorted by
// collection number and occurrence, CR LF lines, Windows-1252 as in the export; the people
// table beside it (files::ProgramFolders::peopleTableBeside) with the distinct people of its
// cast and crew (PeopleReader); and the episode table beside it
// (files::ProgramFolders::episodeTableBeside) with the episodes of its profiles' dividers
// (EpisodeDividerReader), empty for an export without any. The three are written to temporary
// files and renamed into place together, so a failed import leaves the old index and the old
// tables. Memory grows with the records and the distinct people kept, not with the export's
// size.
ImportResult importCollection(const std::filesystem::path& exportFile,
                              const std::filesystem::path& indexFile,
                              const ImportProgressCallback& progress = {});

} // namespace ravello::collection
