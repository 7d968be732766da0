// SPDX-License-Identifier: MIT
#include "core/tmdb/transfer_batch.h"

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/files/atomic_file.h"
#include "core/tmdb/request_secrets.h"
#include "core/tmdb/transfer.h"

namespace ravello::tmdb {
namespace {

using namespace std::chrono;
using Clock = steady_clock;

// Enough for the API and image hosts' connections of one opening, kept for the next.
constexpr long kKeptConnections = 8;

FetchResult failure(FetchProblem problem)
{
    FetchResult result;
    result.problem = problem;
    return result;
}

// How long a batch whose next attempt the limiter refused waits before asking again, when
// nothing else wakes it: another fetcher's attempt may end meanwhile.
constexpr milliseconds kStartPoll{10};

// One retrieval of the batch, the file a download writes across its attempts, and the attempt
// under way (which holds a start of the limiter) or the time of the retry it waits for.
struct Slot
{
    Retrieval* retrieval = nullptr;
    std::unique_ptr<files::AtomicFile> file;
    std::unique_ptr<Transfer> transfer;
    bool retried = false;
    std::optional<Clock::time_point> retryAt;
    std::optional<FetchResult> result; // set once the retrieval has ended
};

class Batch
{
public:
    Batch(CURLM* multi, std::vector<Retrieval>& retrievals, const BatchRules& rules);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    std::vector<FetchResult> run(const ProgressCallback& progress);

private:
    void startWhatMayStart();
    bool startFirstAttempt(Slot& slot);
    bool launch(Slot& slot, bool isRetry);
    void dropTransfer(Slot& slot);
    bool collectEnded();
    void attemptEnded(Slot& slot, CURLcode code);
    void waitForActivity();
    void end(Slot& slot, FetchResult result);
    void endUnfinished(const FetchResult& result);

    CURLM* m_multi;
    const BatchRules& m_rules;
    std::vector<Slot> m_slots;
    std::size_t m_nextFirst = 0; // the first retrieval whose first attempt has not started
    std::size_t m_unfinished = 0;
};

Batch::Batch(CURLM* multi, std::vector<Retrieval>& retrievals, const BatchRules& rules)
    : m_multi(multi), m_rules(rules), m_slots(retrievals.size()), m_unfinished(retrievals.size())
{
    for (std::size_t index = 0; index < retrievals.size(); ++index)
        m_slots[index].retrieval = &retrievals[index];
}

// Every attempt has ended by then, unless the batch was left by an exception: its starts go
// back to the limiter all the same.
Batch::~Batch()
{
    for (Slot& slot : m_slots)
        dropTransfer(slot);
}

std::vector<FetchResult> Batch::run(const ProgressCallback& progress)
{
    const auto begun = Clock::now();
    for (;;) {
        startWhatMayStart();
        if (m_unfinished == 0)
            break;
        int running = 0;
        if (curl_multi_perform(m_multi, &running) != CURLM_OK) {
            endUnfinished(sessionFailure());
            break;
        }
        // An attempt that ended freed a start: the next one goes out without a wait.
        const bool freedAStart = collectEnded();
        if (m_unfinished == 0)
            break;
        if (!freedAStart || m_nextFirst == m_slots.size())
            waitForActivity();
        if (progress &&
            progress(duration_cast<milliseconds>(Clock::now() - begun)) == WaitChoice::Cancel)
            endUnfinished(failure(FetchProblem::Cancelled));
    }
    std::vector<FetchResult> results;
    for (Slot& slot : m_slots)
        results.push_back(std::move(*slot.result));
    return results;
}

// Retries that are due first, then first attempts in the order of the retrievals, as long as
// the limiter lets them start.
void Batch::startWhatMayStart()
{
    const auto now = Clock::now();
    for (Slot& slot : m_slots) {
        if (slot.retryAt && *slot.retryAt <= now && launch(slot, true))
            slot.retryAt.reset();
    }
    for (; m_nextFirst < m_slots.size(); ++m_nextFirst) {
        Slot& slot = m_slots[m_nextFirst];
        if (!slot.result && !startFirstAttempt(slot))
            break;
    }
}

// False when the limiter refused the start: the retrieval waits for its turn.
bool Batch::startFirstAttempt(Slot& slot)
{
    if (!slot.retrieval->target.empty() && !slot.file) {
        slot.file = std::make_unique<files::AtomicFile>(slot.retrieval->target);
        if (!slot.file->isOpen()) {
            end(slot, failure(FetchProblem::File));
            return true;
        }
    }
    return launch(slot, false);
}

bool Batch::launch(Slot& slot, bool isRetry)
{
    if (!m_rules.limiter.tryStart(m_rules.priority, isRetry))
        return false;
    slot.transfer = std::make_unique<Transfer>(m_multi, slot.retrieval->request, m_rules.options,
                                               slot.file.get());
    if (!slot.transfer->isRunning())
        end(slot, sessionFailure());
    return true;
}

void Batch::dropTransfer(Slot& slot)
{
    if (!slot.transfer)
        return;
    slot.transfer.reset();
    m_rules.limiter.ended();
}

// True when an attempt ended.
bool Batch::collectEnded()
{
    bool ended = false;
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &queued)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        // The message does not outlive the removal of its handle: copy what it says first.
        CURL* const handle = message->easy_handle;
        const CURLcode code = message->data.result;
        const auto slot = std::find_if(m_slots.begin(), m_slots.end(), [&](const Slot& each) {
            return each.transfer && each.transfer->handle() == handle;
        });
        if (slot != m_slots.end()) {
            attemptEnded(*slot, code);
            ended = true;
        }
    }
    return ended;
}

// A first 429 is tried once more after the wait it names (within the cap); the other
// retrievals of the batch go on meanwhile.
void Batch::attemptEnded(Slot& slot, CURLcode code)
{
    FetchResult result = slot.transfer->result(code);
    const auto retryAfter = slot.transfer->retryAfter();
    dropTransfer(slot);
    if (result.problem != FetchProblem::HttpStatus || result.httpStatus != 429 || slot.retried) {
        end(slot, std::move(result));
        return;
    }
    slot.retried = true;
    const milliseconds wait =
        retryAfter ? duration_cast<milliseconds>(*retryAfter) : m_rules.options.defaultRetryWait;
    slot.retryAt = Clock::now() + std::min(wait, m_rules.options.maxRetryWait);
}

// Until the network has something to do, a progress interval has passed, a retry is due, or
// it is time to ask the limiter again for a start it refused.
void Batch::waitForActivity()
{
    milliseconds wait = m_rules.options.progressInterval;
    if (m_nextFirst < m_slots.size())
        wait = std::min(wait, kStartPoll);
    const auto now = Clock::now();
    for (const Slot& slot : m_slots) {
        if (slot.retryAt) {
            const auto untilDue = duration_cast<milliseconds>(*slot.retryAt - now);
            wait = std::min(wait, untilDue > milliseconds(0) ? untilDue : kStartPoll);
        }
    }
    curl_multi_poll(m_multi, nullptr, 0, static_cast<int>(wait.count()), nullptr);
}

// A download's file replaces its target only when the whole answer arrived; dropping the
// writer of any other removes its temporary file.
void Batch::end(Slot& slot, FetchResult result)
{
    dropTransfer(slot);
    slot.retryAt.reset();
    --m_unfinished;
    const Retrieval& retrieval = *slot.retrieval;
    if (result.ok() && !slot.file && !nlohmann::json::accept(result.body))
        result.problem = FetchProblem::NotJson;
    if (result.ok() && slot.file && !slot.file->commit())
        result.problem = FetchProblem::File;
    slot.file.reset();
    if (!result.ok())
        result = withoutSecrets(std::move(result), retrieval.request);
    if (retrieval.ended)
        retrieval.ended(result);
    slot.result = std::move(result);
}

void Batch::endUnfinished(const FetchResult& result)
{
    for (Slot& slot : m_slots) {
        if (!slot.result)
            end(slot, result);
    }
}

} // namespace

Connections::Connections()
{
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    (void)initialised;
    m_multi = curl_multi_init();
    if (m_multi)
        curl_multi_setopt(m_multi, CURLMOPT_MAXCONNECTS, kKeptConnections);
}

Connections::~Connections()
{
    if (m_multi)
        curl_multi_cleanup(m_multi);
}

std::vector<FetchResult> runBatch(const Connections& connections,
                                  std::vector<Retrieval>& retrievals, const BatchRules& rules,
                                  const ProgressCallback& progress)
{
    return Batch(connections.handle(), retrievals, rules).run(progress);
}

} // namespace ravello::tmdb
