// SPDX-License-Identifier: MIT
// ravello-cli prefetch: prepares the collection's profiles, number after number, so that the
// window finds their films in the cache; the certain matches are kept, so that the next run
// searches only the profiles it could not match.
#include <cstdio>

#include "cli/commands.h"
#include "cli/crew_mapping_in_effect.h"
#include "cli/fetch_failure_text.h"
#include "cli/film_credits.h"
#include "cli/profile_list.h"
#include "core/collection/index_record.h"
#include "core/output/credit_documents.h"
#include "core/platform/interruption.h"
#include "core/tmdb/person_cache.h"
#include "core/tmdb/prefetcher.h"

namespace ravello::cli {
namespace {

using tmdb::PrefetchStatus;

struct PrefetchOptions
{
    ProfileRange range;
    bool birthYears = false;
};

std::optional<PrefetchOptions> readOptions(const CliContext& context, const Arguments& arguments)
{
    PrefetchOptions options;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        const std::string& argument = arguments[at];
        if (argument == "--birth-years") {
            options.birthYears = true;
            continue;
        }
        const bool bound = argument == "--from" || argument == "--to";
        const auto number =
            bound && at + 1 < arguments.size() ? parseIdentifier(arguments[++at]) : std::nullopt;
        if (!number || *number > collection::kHighestCollectionNumber) {
            context.usageError(bound ? argument + " needs a collection number"
                                     : "prefetch takes --from N, --to M and --birth-years");
            return std::nullopt;
        }
        (argument == "--from" ? options.range.from : options.range.to) = *number;
    }
    return options;
}

const char* statusWord(PrefetchStatus status)
{
    switch (status) {
    case PrefetchStatus::Opened:
        return "opened";
    case PrefetchStatus::Cached:
        return "cached";
    case PrefetchStatus::Uncertain:
        return "uncertain";
    case PrefetchStatus::None:
        return "none";
    case PrefetchStatus::Failed:
        break;
    }
    return "failed";
}

// A certain match the run prepared: a film, or a show's season.
struct PreparedMatch
{
    tmdb::MatchKind kind = tmdb::MatchKind::Film;
    std::int32_t tmdbId = 0;
    int season = 0;
};

// What a run counts and whether it must stop.
class PrefetchRun
{
public:
    PrefetchRun(const CliContext& context, const std::vector<ProfileEntry>& entries)
        : m_context(context), m_entries(entries), m_showsProgress(platform::isTerminal(stderr))
    {}

    void report(const tmdb::PrefetchOutcome& outcome)
    {
        const ProfileEntry& entry = m_entries[m_reported++];
        ++m_counts[static_cast<std::size_t>(outcome.status)];
        m_context.out << entry.profile.number << '\t' << statusWord(outcome.status) << '\t'
                      << outcome.tmdbId << '\t';
        m_context.writeText(entry.title);
        m_context.out << std::endl;
        if (outcome.status == PrefetchStatus::Failed) {
            m_context.err << "ravello-cli: " << entry.profile.number << ": "
                          << fetchFailureText(outcome.failure) << '\n';
            // A refused key refuses every other request too.
            m_keyRefused = m_keyRefused || outcome.failure.httpStatus == 401;
        }
        if (outcome.status != PrefetchStatus::Opened && outcome.status != PrefetchStatus::Cached)
            return;
        if (outcome.kind == tmdb::MatchKind::Film) {
            m_matches.push_back({outcome.kind, outcome.tmdbId, 0});
            return;
        }
        for (const int season : tmdb::seasonsToPrepare(entry.profile))
            m_matches.push_back({outcome.kind, outcome.tmdbId, season});
    }

    bool keepGoing()
    {
        if (m_showsProgress)
            m_context.err << '\r' << m_reported << " of " << m_entries.size() << std::flush;
        return !platform::interrupted() && !m_keyRefused;
    }

    void writeSummary() const
    {
        if (m_showsProgress)
            m_context.err << '\r';
        const auto count = [&](PrefetchStatus status) {
            return m_counts[static_cast<std::size_t>(status)];
        };
        m_context.err << m_reported << " profiles: " << count(PrefetchStatus::Opened) << " opened, "
                      << count(PrefetchStatus::Cached) << " already cached, "
                      << count(PrefetchStatus::Uncertain) << " uncertain, "
                      << count(PrefetchStatus::None) << " not found, "
                      << count(PrefetchStatus::Failed) << " failed\n";
    }

    bool keyRefused() const { return m_keyRefused; }
    const std::vector<PreparedMatch>& matches() const { return m_matches; }

private:
    const CliContext& m_context;
    const std::vector<ProfileEntry>& m_entries;
    bool m_showsProgress;
    std::size_t m_reported = 0;
    std::size_t m_counts[5] = {};
    bool m_keyRefused = false;
    std::vector<PreparedMatch> m_matches;
};

// Everyone either document of the prepared match may name whose birth year TMDb must give: the
// cast, and the crew with every group and a series' full crew, whatever the user picks later.
// The match is read from the cache alone, which the run has just filled.
std::vector<std::int32_t> peopleOfMatch(const PreparedMatch& match, const tmdb::FilmCache& films,
                                        const tmdb::SeasonCache& seasons,
                                        const output::CrewMapping& mapping,
                                        const collection::PeopleTable& table)
{
    const output::DocumentChoices everything{mapping, {}, true, &table};
    std::optional<output::CreditDocuments> documents;
    std::optional<tmdb::CreditLists> film;
    std::optional<tmdb::ShowSeason> season;
    if (match.kind == tmdb::MatchKind::Series) {
        season = seasons.cachedSeason(match.tmdbId, match.season);
        const auto whole = season ? season->wholeSeason() : std::nullopt;
        if (whole)
            documents.emplace(output::SeasonSubject{*season, *whole}, everything);
    } else if ((film = films.cachedCredits(match.tmdbId))) {
        documents.emplace(output::FilmSubject{"", film->castMembers, film->crewMembers},
                          everything);
    }
    if (!documents)
        return {};
    std::vector<std::int32_t> people = documents->peopleToAsk(output::DocumentKind::Cast);
    const std::vector<std::int32_t> crew = documents->peopleToAsk(output::DocumentKind::Crew);
    people.insert(people.end(), crew.begin(), crew.end());
    return people;
}

// The birth years of the matches' people, into the person cache; false when Ctrl-C stopped
// the requests.
bool prefetchBirthYears(const CliContext& context, const std::vector<PreparedMatch>& matches)
{
    // Neither cache asks its fetcher anything here.
    const tmdb::FilmCache films(context.folders, context.endpoint, context.fetcher);
    const tmdb::SeasonCache seasons(context.folders, context.endpoint, context.fetcher);
    const output::CrewMapping mapping = crewMappingInEffect(context);
    const collection::PeopleTable table = collectionPeople(context);
    std::vector<std::int32_t> people;
    for (const PreparedMatch& match : matches) {
        const auto named = peopleOfMatch(match, films, seasons, mapping, table);
        people.insert(people.end(), named.begin(), named.end());
    }
    tmdb::PersonCache cache(context.folders, context.endpoint, context.batchFetcher);
    const tmdb::BirthYears years =
        cache.birthYears(people, [](std::size_t, std::size_t) { return !platform::interrupted(); });
    return !years.cancelled;
}

} // namespace

int runPrefetch(CliContext& context, const Arguments& arguments)
{
    const auto options = readOptions(context, arguments);
    if (!options)
        return kUsageError;
    const auto entries = profilesInRange(context, options->range);
    if (!entries || !context.canAskTmdb())
        return kFailure;
    const tmdb::FilmCache films(context.folders, context.endpoint, context.fetcher);
    const tmdb::SeasonCache seasons(context.folders, context.endpoint, context.fetcher);
    auto matches = tmdb::ProfileMatches::load(context.folders.profileMatchesFile());
    tmdb::Prefetcher prefetcher(context.endpoint, context.batchFetcher, films,
                                tmdb::seriesPreparation(context.endpoint, seasons), &matches);
    std::vector<tmdb::PrefetchProfile> profiles;
    for (const ProfileEntry& entry : *entries)
        profiles.push_back(entry.profile);
    PrefetchRun run(context, *entries);
    platform::watchInterruptions();
    bool complete =
        prefetcher.prepare(
            profiles, [&](const tmdb::PrefetchOutcome& outcome) { run.report(outcome); },
            [&] { return run.keepGoing(); }) &&
        !run.keyRefused();
    // What was matched is kept however the run ended: the next run does not search it again.
    if (!matches.save())
        context.err << "ravello-cli: warning: the profiles' matches could not be kept for the "
                       "next run\n";
    if (complete && options->birthYears)
        complete = prefetchBirthYears(context, run.matches());
    const bool wasInterrupted = platform::interrupted();
    platform::stopWatchingInterruptions();
    run.writeSummary();
    if (run.keyRefused())
        return context.fail("TMDb refused the key: the run stopped");
    if (wasInterrupted || !complete)
        return context.fail("interrupted: the next run goes on where this one stopped");
    return context.finish();
}

} // namespace ravello::cli
