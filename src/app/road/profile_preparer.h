// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include <QObject>

#include "core/files/program_folders.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/prefetcher.h"
#include "core/tmdb/request_limiter.h"

namespace ravello::app {

// Prepares the profiles after the one shown while the user works on it: their searches, and the
// films of their certain matches fetched into the cache, on a thread of its own with its own
// connections, within the program's one limiter; the certain matches are kept for later. It
// changes nothing the window shows: the outcomes wait here until the user steps onto their
// profile. It makes way while a request the user started runs, and stops at once when
// destroyed.
class ProfilePreparer : public QObject
{
public:
    // Prepares `profiles` on the preparer's thread, asking TMDb at `endpoint`, reporting each
    // outcome, and going on while `keepGoing` says so.
    using Preparation = std::function<void(
        const std::vector<tmdb::PrefetchProfile>& profiles, const tmdb::Endpoint& endpoint,
        const tmdb::PrefetchReport& report, const tmdb::BatchProgress& keepGoing)>;
    // TMDb's preparation (tmdb::Prefetcher), with connections of its own within the program's
    // `limiter`, where its requests give way to the user's, the caches and the kept matches in
    // `folders`.
    static Preparation tmdbPreparation(files::ProgramFolders folders,
                                       std::shared_ptr<tmdb::RequestLimiter> limiter);

    // `limiter` is the one the preparation's requests go through.
    ProfilePreparer(Preparation preparation, std::shared_ptr<tmdb::RequestLimiter> limiter,
                    QObject* parent = nullptr);
    ~ProfilePreparer() override;
    ProfilePreparer(const ProfilePreparer&) = delete;
    ProfilePreparer& operator=(const ProfilePreparer&) = delete;

    // Prepares these profiles, those not prepared yet, asking TMDb at `endpoint`; profiles given
    // before and not reached yet are dropped.
    void prepare(std::vector<tmdb::PrefetchProfile> profiles, const tmdb::Endpoint& endpoint);
    // The outcome of a prepared profile; nothing when it has not been prepared.
    std::optional<tmdb::PrefetchOutcome> outcome(int number) const;
    // Forgets every outcome, as after a re-import: the job running stops, and what it still
    // delivers is dropped.
    void forget();
    // While `waiting`, no new request of the preparation starts.
    void makeWay(bool waiting) { m_limiter->holdBackground(waiting); }

private:
    // A job is known by its number, given with it: only the newest job goes on, and only its
    // outcomes are kept.
    struct Job
    {
        unsigned number = 0;
        std::vector<tmdb::PrefetchProfile> profiles;
        tmdb::Endpoint endpoint;
    };

    void work();
    void run(const Job& job);
    bool keepGoing(unsigned jobNumber) const;
    void keep(unsigned jobNumber, const tmdb::PrefetchOutcome& outcome);

    Preparation m_preparation;
    std::shared_ptr<tmdb::RequestLimiter> m_limiter;
    std::map<int, tmdb::PrefetchOutcome> m_outcomes; // on the window's thread only
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_next;
    // The newest job's number; forget() passes to a new one with no job, so that nothing
    // asked before it counts.
    std::atomic<unsigned> m_newestJob{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace ravello::app
