// SPDX-License-Identifier: MIT
#include <condition_variable>
#include <mutex>
#include <vector>

#include <QCoreApplication>
#include <QtTest>

#include "app/road/profile_preparer.h"

using ravello::app::ProfilePreparer;
namespace tmdb = ravello::tmdb;

namespace {

const tmdb::Endpoint kEndpoint("http://127.0.0.1:9", "http://127.0.0.1:9", "key", "en-US");

// A preparation the test lets go a step at a time, in place of TMDb's: each job, on the
// preparer's thread, says it started, waits to be let go, reports its profiles as uncertain
// matches and notes whether it was told to go on.
class ScriptedPreparation
{
public:
    ProfilePreparer::Preparation preparation()
    {
        return [this](const std::vector<tmdb::PrefetchProfile>& profiles, const tmdb::Endpoint&,
                      const tmdb::PrefetchReport& report, const tmdb::BatchProgress& keepGoing) {
            std::unique_lock lock(m_mutex);
            const int job = m_started++;
            m_changed.notify_all();
            m_changed.wait(lock, [&] { return m_letGo > job; });
            lock.unlock();
            for (const tmdb::PrefetchProfile& profile : profiles) {
                tmdb::PrefetchOutcome outcome;
                outcome.number = profile.number;
                outcome.status = tmdb::PrefetchStatus::Uncertain;
                report(outcome);
            }
            const bool wentOn = keepGoing();
            lock.lock();
            m_wentOn.push_back(wentOn);
            m_changed.notify_all();
        };
    }

    void awaitStart(int jobs)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_started >= jobs; });
    }
    // Lets the first job still waiting go, and waits until it has reported.
    bool letOneGo()
    {
        std::unique_lock lock(m_mutex);
        const std::size_t finished = m_wentOn.size();
        ++m_letGo;
        m_changed.notify_all();
        m_changed.wait(lock, [&] { return m_wentOn.size() > finished; });
        return m_wentOn.back();
    }
    // Lets every job go, those to come too, so that the preparer can stop.
    void letAllGo()
    {
        const std::lock_guard lock(m_mutex);
        m_letGo = 1 << 20;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_started = 0;
    int m_letGo = 0;
    std::vector<bool> m_wentOn;
};

std::vector<tmdb::PrefetchProfile> profileNumbered(int number)
{
    return {tmdb::profileToPrepare(number, "Title", "", 0)};
}

} // namespace

// The preparation's jobs are known by the number given with them: a job superseded or
// forgotten stops at its next question, and what it delivers is dropped, however late.
class ProfilePreparerTest : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheNewestJobGoesOnAndIsKept()
    {
        enum class Step
        {
            Nothing,
            Supersede,
            Forget
        };
        const struct
        {
            const char* name;
            Step whileRunning;  // after the job started, before it reports
            Step beforeArrival; // after it reported, before its outcome reaches the window
            bool goesOn;
            bool kept;
        } cases[] = {
            {"the newest job", Step::Nothing, Step::Nothing, true, true},
            {"superseded while it runs", Step::Supersede, Step::Nothing, false, false},
            {"forgotten while it runs", Step::Forget, Step::Nothing, false, false},
            {"superseded before its outcome arrives", Step::Nothing, Step::Supersede, true, false},
            {"forgotten before its outcome arrives", Step::Nothing, Step::Forget, true, false},
        };
        for (const auto& test : cases) {
            ScriptedPreparation script;
            ProfilePreparer preparer(script.preparation(),
                                     std::make_shared<ravello::tmdb::RequestLimiter>());
            const auto apply = [&](Step step) {
                if (step == Step::Supersede)
                    preparer.prepare(profileNumbered(5), kEndpoint);
                else if (step == Step::Forget)
                    preparer.forget();
            };
            preparer.prepare(profileNumbered(3), kEndpoint);
            script.awaitStart(1);
            apply(test.whileRunning);
            QVERIFY2(script.letOneGo() == test.goesOn, test.name);
            apply(test.beforeArrival);
            QCoreApplication::processEvents();
            QVERIFY2(preparer.outcome(3).has_value() == test.kept, test.name);
            script.letAllGo();
        }
    }
};

QTEST_GUILESS_MAIN(ProfilePreparerTest)
#include "profile_preparer_test.moc"
