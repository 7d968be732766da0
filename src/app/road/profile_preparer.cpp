// SPDX-License-Identifier: MIT
#include "app/road/profile_preparer.h"

#include <QMetaObject>

#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/film_cache.h"
#include "core/tmdb/profile_matches.h"

namespace ravello::app {

ProfilePreparer::ProfilePreparer(files::ProgramFolders folders,
                                 std::shared_ptr<tmdb::RequestLimiter> limiter, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)), m_limiter(std::move(limiter)),
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
        m_next = Job{std::move(profiles), endpoint};
        ++m_jobNumber;
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

// Everything a job asks goes through objects of this thread alone, within the program's limiter,
// where its requests give way to the user's.
void ProfilePreparer::run(const Job& job)
{
    const unsigned jobNumber = m_jobNumber;
    tmdb::BatchFetcher batch({}, m_limiter, tmdb::RequestPriority::Background);
    tmdb::Fetcher unusedOpener;
    const tmdb::FilmCache films(m_folders, job.endpoint, unusedOpener);
    const tmdb::SeasonCache seasons(m_folders, job.endpoint, unusedOpener);
    auto matches = tmdb::ProfileMatches::load(m_folders.profileMatchesFile());
    tmdb::Prefetcher prefetcher(job.endpoint, batch, films,
                                tmdb::seriesPreparation(job.endpoint, seasons), &matches);
    prefetcher.prepare(
        job.profiles, [&](const tmdb::PrefetchOutcome& outcome) { keep(outcome); },
        [&] { return keepGoing(jobNumber); });
    matches.save(); // a match that could not be kept is searched again next time
}

// A job goes on until a newer one is given or the preparer stops.
bool ProfilePreparer::keepGoing(unsigned jobNumber) const
{
    return !m_stop && m_jobNumber == jobNumber;
}

// The outcome reaches the window's thread, where the outcomes are kept.
void ProfilePreparer::keep(const tmdb::PrefetchOutcome& outcome)
{
    if (outcome.status == tmdb::PrefetchStatus::Failed)
        return; // asked again when the user gets there
    QMetaObject::invokeMethod(
        this, [this, outcome] { m_outcomes[outcome.number] = outcome; }, Qt::QueuedConnection);
}

} // namespace ravello::app
