// SPDX-License-Identifier: MIT
#include "app/road/profile_preparer.h"

#include <QMetaObject>

#include "core/tmdb/batch_fetcher.h"
#include "core/tmdb/film_cache.h"

namespace ravello::app {
namespace {

// How often a paused preparation looks whether it may go on.
constexpr auto kPausePoll = std::chrono::milliseconds(20);

} // namespace

ProfilePreparer::ProfilePreparer(files::ProgramFolders folders, QObject* parent)
    : QObject(parent), m_folders(std::move(folders)), m_thread([this] { work(); })
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

// Everything a job asks goes through objects of this thread alone.
void ProfilePreparer::run(const Job& job)
{
    const unsigned jobNumber = m_jobNumber;
    tmdb::BatchFetcher batch;
    tmdb::Fetcher unusedOpener;
    const tmdb::FilmCache films(m_folders, job.endpoint, unusedOpener);
    const tmdb::SeasonCache seasons(m_folders, job.endpoint, unusedOpener);
    tmdb::Prefetcher prefetcher(job.endpoint, batch, films,
                                tmdb::seriesPreparation(job.endpoint, seasons));
    prefetcher.prepare(
        job.profiles, [&](const tmdb::PrefetchOutcome& outcome) { keep(outcome); },
        [&] { return keepGoing(jobNumber); });
}

// A job goes on until a newer one is given or the preparer stops; while the user waits on TMDb
// it holds its requests back.
bool ProfilePreparer::keepGoing(unsigned jobNumber) const
{
    while (m_userWaits && !m_stop && m_jobNumber == jobNumber)
        std::this_thread::sleep_for(kPausePoll);
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
