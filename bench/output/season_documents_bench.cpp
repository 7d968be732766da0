// SPDX-License-Identifier: MIT
// Building both documents of a whole season: 24 episodes, each with the season's 12 regulars,
// 40 guest stars and 10 crew entries, the show's 2 creators and the season's 15 crew entries.
// The goal is under 10 ms for the two together.
#include <benchmark/benchmark.h>

#include "core/output/season_cast_information.h"
#include "core/output/season_crew_information.h"

namespace ravello::output {
namespace {

constexpr int kEpisodes = 24;
constexpr int kRegulars = 12;
constexpr int kGuests = 40;
constexpr int kEpisodeCrew = 10;
constexpr int kSeasonCrew = 15;

// The departments and jobs of a season's crew, as TMDb gives them.
constexpr std::pair<const char*, const char*> kJobs[] = {
    {"Directing", "Director"},
    {"Writing", "Writer"},
    {"Writing", "Teleplay"},
    {"Writing", "Story"},
    {"Production", "Producer"},
    {"Sound", "Original Music Composer"},
    {"Camera", "Director of Photography"},
    {"Editing", "Editor"},
    {"Art", "Production Design"},
    {"Crew", "Stunts"},
};

tmdb::CastMember castMember(std::int32_t id, std::optional<int> order)
{
    return {id, "Fran\xC3\xA7ois Guest " + std::to_string(id), "Role " + std::to_string(id), order,
            "/p" + std::to_string(id) + ".jpg"};
}

tmdb::CrewMember crewMember(std::int32_t id, int job)
{
    const auto& [department, name] = kJobs[job % std::size(kJobs)];
    return {id, "Crew Member " + std::to_string(id), department, name, "null"};
}

tmdb::ShowSeason bigSeason()
{
    tmdb::ShowSeason content;
    content.show.id = 1;
    content.show.name = "Big Show";
    content.show.creators = {crewMember(1, 1), crewMember(2, 1)};
    content.season.number = 3;
    for (int regular = 0; regular < kRegulars; ++regular)
        content.season.regulars.push_back(castMember(100 + regular, kRegulars - regular));
    for (int member = 0; member < kSeasonCrew; ++member)
        content.season.crew.push_back(crewMember(200 + member, member));
    for (int number = 1; number <= kEpisodes; ++number) {
        tmdb::Episode episode{number, "Episode, number " + std::to_string(number), {}, {}};
        for (int guest = 0; guest < kGuests; ++guest)
            episode.guestStars.push_back(castMember(
                1000 * number + guest, guest % 7 == 0 ? std::nullopt : std::optional(guest * 3)));
        for (int member = 0; member < kEpisodeCrew; ++member)
            episode.crew.push_back(crewMember(500 + member + number, member));
        content.season.episodes.push_back(std::move(episode));
    }
    return content;
}

void BM_BuildBothSeasonDocuments(benchmark::State& state)
{
    const tmdb::ShowSeason content = bigSeason();
    const tmdb::EpisodeRange whole{1, kEpisodes};
    for (auto _ : state) {
        std::string cast = buildSeasonCastInformation(content, whole);
        CrewDocument crew = buildSeasonCrewInformation(content, whole, CrewMapping::builtIn(), {});
        benchmark::DoNotOptimize(cast);
        benchmark::DoNotOptimize(crew);
    }
}
BENCHMARK(BM_BuildBothSeasonDocuments)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace ravello::output
