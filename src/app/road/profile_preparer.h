// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <condition_variable>
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
    ProfilePreparer(files::ProgramFolders folders, std::shared_ptr<tmdb::RequestLimiter> limiter,
                    QObject* parent = nullptr);
    ~ProfilePreparer() override;
    ProfilePreparer(const ProfilePreparer&) = delete;
    ProfilePreparer& operator=(const ProfilePreparer&) = delete;

    // Prepares these profiles, those not prepared yet, asking TMDb at `endpoint`; profiles given
    // before and not reached yet are dropped.
    void prepare(std::vector<tmdb::PrefetchProfile> profiles, const tmdb::Endpoint& endpoint);
    // The outcome of a prepared profile; nothing when it has not been prepared.
    std::optional<tmdb::PrefetchOutcome> outcome(int number) const;
    // Forgets every outcome, as after a re-import.
    void forget();
    // While `waiting`, no new request of the preparation starts.
    void makeWay(bool waiting) { m_limiter->holdBackground(waiting); }

private:
    struct Job
    {
        std::vector<tmdb::PrefetchProfile> profiles;
        tmdb::Endpoint endpoint;
    };

    void work();
    void run(const Job& job);
    bool keepGoing(unsigned jobNumber) const;
    void keep(const tmdb::PrefetchOutcome& outcome);

    files::ProgramFolders m_folders;
    std::shared_ptr<tmdb::RequestLimiter> m_limiter;
    std::map<int, tmdb::PrefetchOutcome> m_outcomes; // on the window's thread only
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_next;
    std::atomic<unsigned> m_jobNumber{0};
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

} // namespace ravello::app
