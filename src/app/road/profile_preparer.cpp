// SPDX-License-Identifier: MIT
#include "app/road/profile_preparer.h"

#include <QMetaObject>

#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/profile_matches.h"

namespace ravello::app {

// Everything a job asks goes through objects of the preparer's thread alone, within the
// program's limiter, where its requests give way to the user's.
ProfilePreparer::Preparation
ProfilePreparer::tmdbPreparation(files::ProgramFolders folders,
                                 std::shared_ptr<tmdb::RequestLimiter> limiter)
{
    return [folders = std::move(folders), limiter = std::move(limiter)](
               const std::vector<tmdb::PrefetchProfile>& profiles, const tmdb::Endpoint& endpoint,
               const tmdb::PrefetchReport& report, const tmdb::BatchProgress& keepGoing) {
        tmdb::BatchFetcher batch({}, limiter, tmdb::RequestPriority::Background);
        tmdb::Fetcher unusedOpener;
        const tmdb::FilmCache films(folders, endpoint, unusedOpener);
        const tmdb::SeasonCache seasons(folders, endpoint, unusedOpener);
        auto matches = tmdb::ProfileMatches::load(folders.profileMatchesFile());
        tmdb::Prefetcher prefetcher(endpoint, batch, films,
                                    tmdb::seriesPreparation(endpoint, seasons), &matches);
        prefetcher.prepare(profiles, report, keepGoing);
        matches.save(); // a match that could not be kept is searched again next time
    };
}

ProfilePreparer::ProfilePreparer(Preparation preparation,
                                 std::shared_ptr<tmdb::RequestLimiter> limiter, QObject* parent)
    : QObject(parent), m_preparation(std::move(preparation)), m_limiter(std::move(limiter)),
      m_thread([this] { work(); })
{}

ProfilePreparer::~ProfilePreparer()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void ProfilePreparer::prepare(std::vector<tmdb::PrefetchProfile> profiles,
                              const tmdb::Endpoint& endpoint)
{
    std::erase_if(profiles, [&](const tmdb::PrefetchProfile& profile) {
        return m_outcomes.count(profile.number) > 0;
    });
    {
        const std::lock_guard lock(m_mutex);
        m_next = Job{++m_newestJob, std::move(profiles), endpoint};
    }
    m_wake.notify_one();
}

std::optional<tmdb::PrefetchOutcome> ProfilePreparer::outcome(int number) const
{
    const auto found = m_outcomes.find(number);
    if (found == m_outcomes.end())
        return std::nullopt;
    return found->second;
}

void ProfilePreparer::forget()
{
    m_outcomes.clear();
    const std::lock_guard lock(m_mutex);
    m_next.reset();
    ++m_newestJob;
}

// The preparation's thread: one job at a time, the newest one given.
void ProfilePreparer::work()
{
    for (;;) {
        std::optional<Job> job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [&] { return m_stop || m_next; });
            if (m_stop)
                return;
            job.swap(m_next);
        }
        run(*job);
    }
}

void ProfilePreparer::run(const Job& job)
{
    m_preparation(
        job.profiles, job.endpoint,
        [&](const tmdb::PrefetchOutcome& outcome) { keep(job.number, outcome); },
        [&] { return keepGoing(job.number); });
}

// A job goes on until a newer one is given, the outcomes are forgotten or the preparer stops.
bool ProfilePreparer::keepGoing(unsigned jobNumber) const
{
    return !m_stop && m_newestJob == jobNumber;
}

// The outcome reaches the window's thread, where the outcomes are kept: only when its job is
// still the newest there, so that nothing of a job superseded or forgotten meanwhile is kept.
void ProfilePreparer::keep(unsigned jobNumber, const tmdb::PrefetchOutcome& outcome)
{
    if (outcome.status == tmdb::PrefetchStatus::Failed)
        return; // asked again when the user gets there
    QMetaObject::invokeMethod(
        this,
        [this, jobNumber, outcome] {
            if (jobNumber == m_newestJob)
                m_outcomes[outcome.number] = outcome;
        },
        Qt::QueuedConnection);
}

} // namespace ravello::app
