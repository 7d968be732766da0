// SPDX-License-Identifier: MIT
// The episodes of every disc of a 2,000-disc collection, once imported: the dividers table and
// the copied episodes read from their files, the discs taken from the title index, and each
// disc's proposal. Goal: under 100 ms for the whole collection.
//
// usage: ravello_episode_proposal_bench [benchmark options]
//        ravello_episode_proposal_bench --leave-one-out Collection.xml
//   --leave-one-out  imports the export into a temporary folder and prints how often a disc
//                    with its own episode dividers is proposed exactly from the rest of the
//                    collection, and from its own dividers (measureLeaveOneOut)
#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/collection_import.h"
#include "core/collection/episode_proposer.h"
#include "core/collection/index_record.h"
#include "core/collection/leave_one_out.h"
#include "core/collection/title_index.h"
#include "core/files/atomic_file.h"
#include "core/files/program_folders.h"

namespace ravello::collection {
namespace {

constexpr int kShows = 80;
constexpr int kSeasons = 5;
constexpr int kDiscs = 5;
constexpr int kPerDisc = 4;

// 80 shows of 5 seasons of 5 discs; discs 1, 2 and 4 of most seasons have their dividers,
// disc 3 of some was copied, and every fourth season is known only from TMDb's count.
struct Collection
{
    std::vector<std::string> records;
    std::filesystem::path dividersFile;
    std::filesystem::path copiedFile;
};

std::vector<EpisodeCode> discEpisodes(int season, int disc)
{
    std::vector<EpisodeCode> codes;
    for (int at = 1; at <= kPerDisc; ++at)
        codes.push_back({season, (disc - 1) * kPerDisc + at});
    return codes;
}

const Collection& twoThousandDiscs()
{
    static const Collection collection = [] {
        Collection made;
        const auto folder = std::filesystem::temp_directory_path() / "ravello_episode_bench";
        std::filesystem::create_directories(folder);
        made.dividersFile = folder / "EpisodesDVDP.TXT";
        made.copiedFile = folder / "CopiedEpisodes.TXT";
        std::string dividers;
        std::string copied;
        for (int show = 0; show < kShows; ++show) {
            for (int season = 1; season <= kSeasons; ++season) {
                for (int disc = 1; disc <= kDiscs; ++disc) {
                    IndexRecord record;
                    record.collectionNumber = static_cast<int>(made.records.size()) + 1;
                    record.occurrence = 1;
                    record.profileId = std::to_string(7000000000000LL + record.collectionNumber);
                    record.title = "Show " + std::to_string(show) + ": Season " +
                                   std::to_string(season) + ": Disc " + std::to_string(disc);
                    made.records.push_back(formatIndexRecord(record));
                    const bool known = (show + season) % 4 != 0;
                    if (known && disc != 3 && disc != 5)
                        appendEpisodeLine(dividers, record.profileId, discEpisodes(season, disc));
                    if (known && disc == 3 && show % 2 == 0)
                        appendEpisodeLine(copied, record.profileId, discEpisodes(season, disc));
                }
            }
        }
        files::writeFileAtomically(made.dividersFile, dividers);
        files::writeFileAtomically(made.copiedFile, copied);
        return made;
    }();
    return collection;
}

void BM_ProposalsOfEveryDisc(benchmark::State& state)
{
    const Collection& collection = twoThousandDiscs();
    const SeasonEpisodeCounts counts = [](int) {
        return std::optional<int>(kDiscs * kPerDisc - 2);
    };
    for (auto _ : state) {
        const EpisodeTable dividers = EpisodeTable::load(collection.dividersFile);
        const EpisodeTable copied = EpisodeTable::load(collection.copiedFile);
        std::vector<CollectionDisc> discs = collectionDiscs(collection.records);
        std::vector<std::string> ids;
        for (const CollectionDisc& disc : discs)
            ids.push_back(disc.profileId);
        const EpisodeProposer proposer(std::move(discs), dividers, copied);
        int proposed = 0;
        for (const std::string& id : ids)
            proposed += proposer.propose(id, counts).has_value() ? 1 : 0;
        benchmark::DoNotOptimize(proposed);
    }
    state.counters["discs"] = static_cast<double>(collection.records.size());
}

BENCHMARK(BM_ProposalsOfEveryDisc)->Unit(benchmark::kMillisecond);

int printLeaveOneOut(const std::filesystem::path& exportFile)
{
    const auto folder = std::filesystem::temp_directory_path() / "ravello_leave_one_out";
    const auto index = folder / "DatabaseDVDP.TXT";
    const ImportResult imported = importCollection(exportFile, index);
    TitleIndex titles;
    if (imported.status != ImportStatus::Imported || !titles.loadTitleIndex(index)) {
        std::fprintf(stderr, "%s\n", imported.detail.c_str());
        return 1;
    }
    const LeaveOneOutCounts counts = measureLeaveOneOut(
        titles.records(), EpisodeTable::load(files::ProgramFolders::episodeTableBeside(index)));
    std::printf("%d discs with episode dividers of their own\n"
                "from the rest of the collection: %d exact, %.1f%%\n"
                "from their own dividers:         %d exact, %.1f%%\n",
                counts.discs, counts.fromTheRest, counts.fromTheRestPercent(), counts.fromProfile,
                counts.fromProfilePercent());
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}

} // namespace
} // namespace ravello::collection

int main(int argc, char** argv)
{
    if (argc == 3 && std::string_view(argv[1]) == "--leave-one-out")
        return ravello::collection::printLeaveOneOut(argv[2]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
