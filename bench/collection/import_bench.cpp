// SPDX-License-Identifier: MIT
// Import speed on a synthetic DVD Profiler export with full cast and crew (20,000 profiles,
// about 300 MB, 80 cast and crew lines a profile drawn from 200,000 people), read from the page
// cache; every tenth profile a disc of a box set with episode dividers in its cast and crew.
// `grep -c -F '</MyLinks>'` over the same file in the same run gives the yardstick: the whole
// import, people and episode tables included, takes at most one and a half times as long, in
// under 64 MB.
//
// usage: ravello_import_bench [--profiles N] [--cast N] [--crew N] [--people N]
//                             [--episode-discs N] [--dense-markup 1] [--runs N] [--export FILE]
//   --episode-discs N every N-th profile a disc with episode dividers (0: none)
//   --dense-markup 1  escaped markup on every overview line (the normaliser's worst case)
//   --export FILE     use (or, when missing, write and keep) this export, not a temporary one
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/resource.h>
#endif

#include "core/collection/collection_import.h"
#include "core/collection/line_marks.h"
#include "core/collection/line_reader.h"
#include "core/collection/profile_reader.h"
#include "core/files/program_folders.h"
#include "tests/support/synthetic_export.h"

namespace {

namespace fs = std::filesystem;
using ravello::collection::LineReader;
using ravello::collection::ProfileReader;
using Clock = std::chrono::steady_clock;

struct Options
{
    ravello::testing::SyntheticExportOptions shape;
    int runs = 5;
    fs::path exportFile;
};

Options parse(int argc, char** argv)
{
    Options options;
    options.shape.profiles = 20000;
    options.shape.episodeDiscEvery = 10;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--profiles")
            options.shape.profiles = std::atoi(argv[i + 1]);
        else if (name == "--cast")
            options.shape.castPerProfile = std::atoi(argv[i + 1]);
        else if (name == "--crew")
            options.shape.crewPerProfile = std::atoi(argv[i + 1]);
        else if (name == "--people")
            options.shape.people = std::atoi(argv[i + 1]);
        else if (name == "--episode-discs")
            options.shape.episodeDiscEvery = std::atoi(argv[i + 1]);
        else if (name == "--dense-markup")
            options.shape.markupEveryLine = std::atoi(argv[i + 1]) != 0;
        else if (name == "--runs")
            options.runs = std::max(1, std::atoi(argv[i + 1]));
        else if (name == "--export")
            options.exportFile = argv[i + 1];
    }
    return options;
}

// Best of `runs` timings, in seconds.
double bestOf(int runs, const std::function<void()>& work)
{
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

long peakMemoryKiB()
{
#if defined(__unix__) || defined(__APPLE__)
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#else
    return 0;
#endif
}

void readWhole(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> block(1 << 20);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
    }
}

int scanProfiles(const fs::path& file)
{
    LineReader lines(file);
    ProfileReader profiles;
    std::string_view text;
    while (lines.nextLines(text)) {
        ravello::collection::MarkedLines marked(text);
        std::string_view line;
        ravello::collection::LineMarks marks = 0;
        while (marked.next(line, marks))
            profiles.readLine(line, marks);
    }
    return profiles.recordCount();
}

// The obvious way: every test a substring search over every line.
int substringTests(const fs::path& file)
{
    static const std::string_view kTexts[] = {"<ID>",
                                              "<DVD>",
                                              "</DVD>",
                                              "HDDVD",
                                              "</HDDVD>",
                                              "<CustomMediaType>X265",
                                              "<CustomMediaType>Divx",
                                              "<CollectionNumber>",
                                              "<Title>",
                                              "<OriginalTitle>",
                                              "<ProductionYear>",
                                              "<RunningTime>",
                                              "<Review Film=",
                                              "<Overview>",
                                              "</Overview>",
                                              "</MyLinks>"};
    LineReader lines(file);
    std::string_view line;
    int hits = 0;
    while (lines.next(line))
        for (std::string_view text : kTexts)
            hits += line.find(text) != std::string_view::npos;
    return hits;
}

void report(const char* what, double seconds, double megabytes, double grepSeconds)
{
    std::printf("%-36s %8.0f MB/s %8.1f ms   %.2f x grep's time\n", what, megabytes / seconds,
                seconds * 1000, seconds / grepSeconds);
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    const fs::path folder = fs::temp_directory_path() / "ravello-import-bench";
    fs::create_directories(folder);
    const fs::path exportFile =
        options.exportFile.empty() ? folder / "Collection.xml" : options.exportFile;
    if (options.exportFile.empty() || !fs::exists(exportFile)) {
        std::ofstream out(exportFile, std::ios::binary);
        ravello::testing::writeSyntheticExport(out, options.shape);
    }
    const double megabytes = static_cast<double>(fs::file_size(exportFile)) / 1e6;
    std::printf("export: %s, %.1f MB\n", exportFile.string().c_str(), megabytes);
    readWhole(exportFile); // into the page cache

    // Not to /dev/null: GNU grep notices it and stops at the first match.
    const std::string grep = std::string("grep -c -F '</MyLinks>' '")
                                 .append(exportFile.string())
                                 .append("' > '")
                                 .append((folder / "grep.out").string())
                                 .append("'");
    const double grepSeconds = bestOf(options.runs, [&] { (void)std::system(grep.c_str()); });
    report("grep -c -F '</MyLinks>'", grepSeconds, megabytes, grepSeconds);

    const long memoryBefore = peakMemoryKiB();
    int records = 0;
    const double scan = bestOf(options.runs, [&] { records = scanProfiles(exportFile); });
    report("import scanner (no index written)", scan, megabytes, grepSeconds);
    const long memoryAfterScan = peakMemoryKiB();

    ravello::collection::ImportResult result;
    const fs::path index = folder / "DatabaseDVDP.TXT";
    const double whole = bestOf(
        options.runs, [&] { result = ravello::collection::importCollection(exportFile, index); });
    report("whole import (index, people, episodes)", whole, megabytes, grepSeconds);

    int hits = 0;
    const double naive = bestOf(1, [&] { hits = substringTests(exportFile); });
    report("substring search per test", naive, megabytes, grepSeconds);

    const fs::path people = ravello::files::ProgramFolders::peopleTableBeside(index);
    const fs::path episodes = ravello::files::ProgramFolders::episodeTableBeside(index);
    std::printf("records %d (scanner %d), skipped %d, unnumbered %d, %d substring hits; index "
                "%.1f MB; %d people (%d unreadable), table %.1f MB; episodes of %d profiles\n",
                result.records, records, result.skipped, result.unnumbered, hits,
                static_cast<double>(fs::file_size(index)) / 1e6, result.people,
                result.damagedPeople, static_cast<double>(fs::file_size(people)) / 1e6,
                result.episodeProfiles);
    std::printf("peak memory: %.1f MB before, %.1f MB after the scans, %.1f MB at the end\n",
                memoryBefore / 1024.0, memoryAfterScan / 1024.0, peakMemoryKiB() / 1024.0);
    fs::remove(index);
    fs::remove(people);
    fs::remove(episodes);
    fs::remove(folder / "grep.out");
    if (options.exportFile.empty())
        fs::remove(exportFile);
    return result.status == ravello::collection::ImportStatus::Imported ? 0 : 1;
}
