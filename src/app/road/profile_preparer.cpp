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

// Everything a job asks goes through objects of the preparer's thread alone.
ProfilePreparer::Preparation ProfilePreparer::tmdbPreparation(files::ProgramFolders folders)
{
    return [folders = std::move(folders)](
               const std::vector<tmdb::PrefetchProfile>& profiles, const tmdb::Endpoint& endpoint,
               const tmdb::PrefetchReport& report, const tmdb::BatchProgress& keepGoing) {
        tmdb::BatchFetcher batch;
        tmdb::Fetcher unusedOpener;
        const tmdb::FilmCache films(folders, endpoint, unusedOpener);
        const tmdb::SeasonCache seasons(folders, endpoint, unusedOpener);
        tmdb::Prefetcher prefetcher(endpoint, batch, films,
                                    tmdb::seriesPreparation(endpoint, seasons));
        prefetcher.prepare(profiles, report, keepGoing);
    };
}

ProfilePreparer::ProfilePreparer(Preparation preparation, QObject* parent)
    : QObject(parent), m_preparation(std::move(preparation)), m_thread([this] { work(); })
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

// A job goes on until a newer one is given, the outcomes are forgotten or the preparer stops;
// while the user waits on TMDb it holds its requests back.
bool ProfilePreparer::keepGoing(unsigned jobNumber) const
{
    while (m_userWaits && !m_stop && m_newestJob == jobNumber)
        std::this_thread::sleep_for(kPausePoll);
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
