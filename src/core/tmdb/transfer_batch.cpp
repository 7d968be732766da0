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

// One retrieval of the batch, the file a download writes across its attempts, and the attempt
// under way or the time of the retry it waits for.
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
    Batch(CURLM* multi, std::vector<Retrieval>& retrievals, const FetcherOptions& options);
    std::vector<FetchResult> run(const ProgressCallback& progress);

private:
    void start(Slot& slot);
    void launch(Slot& slot);
    void collectEnded();
    void attemptEnded(Slot& slot, CURLcode code);
    void startDueRetries();
    void waitForActivity();
    void end(Slot& slot, FetchResult result);
    void endUnfinished(const FetchResult& result);
    bool hasUnfinished() const;

    CURLM* m_multi;
    const FetcherOptions& m_options;
    std::vector<Slot> m_slots;
};

Batch::Batch(CURLM* multi, std::vector<Retrieval>& retrievals, const FetcherOptions& options)
    : m_multi(multi), m_options(options), m_slots(retrievals.size())
{
    for (std::size_t index = 0; index < retrievals.size(); ++index)
        m_slots[index].retrieval = &retrievals[index];
}

std::vector<FetchResult> Batch::run(const ProgressCallback& progress)
{
    const auto begun = Clock::now();
    for (Slot& slot : m_slots)
        start(slot);
    while (hasUnfinished()) {
        int running = 0;
        if (curl_multi_perform(m_multi, &running) != CURLM_OK) {
            endUnfinished(sessionFailure());
            break;
        }
        collectEnded();
        startDueRetries();
        if (!hasUnfinished())
            break;
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

void Batch::start(Slot& slot)
{
    if (!slot.retrieval->target.empty()) {
        slot.file = std::make_unique<files::AtomicFile>(slot.retrieval->target);
        if (!slot.file->isOpen()) {
            end(slot, failure(FetchProblem::File));
            return;
        }
    }
    launch(slot);
}

void Batch::launch(Slot& slot)
{
    slot.transfer =
        std::make_unique<Transfer>(m_multi, slot.retrieval->request, m_options, slot.file.get());
    if (!slot.transfer->isRunning())
        end(slot, sessionFailure());
}

void Batch::collectEnded()
{
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
        if (slot != m_slots.end())
            attemptEnded(*slot, code);
    }
}

// A first 429 is tried once more after the wait it names (within the cap); the other
// retrievals of the batch go on meanwhile.
void Batch::attemptEnded(Slot& slot, CURLcode code)
{
    FetchResult result = slot.transfer->result(code);
    const auto retryAfter = slot.transfer->retryAfter();
    slot.transfer.reset();
    if (result.problem != FetchProblem::HttpStatus || result.httpStatus != 429 || slot.retried) {
        end(slot, std::move(result));
        return;
    }
    slot.retried = true;
    const milliseconds wait =
        retryAfter ? duration_cast<milliseconds>(*retryAfter) : m_options.defaultRetryWait;
    slot.retryAt = Clock::now() + std::min(wait, m_options.maxRetryWait);
}

void Batch::startDueRetries()
{
    const auto now = Clock::now();
    for (Slot& slot : m_slots) {
        if (slot.retryAt && *slot.retryAt <= now) {
            slot.retryAt.reset();
            launch(slot);
        }
    }
}

// Until the network has something to do, a progress interval has passed, or a retry is due.
void Batch::waitForActivity()
{
    milliseconds wait = m_options.progressInterval;
    const auto now = Clock::now();
    for (const Slot& slot : m_slots) {
        if (slot.retryAt)
            wait = std::min(wait, duration_cast<milliseconds>(*slot.retryAt - now));
    }
    wait = std::max(wait, milliseconds(0));
    curl_multi_poll(m_multi, nullptr, 0, static_cast<int>(wait.count()), nullptr);
}

// A download's file replaces its target only when the whole answer arrived; dropping the
// writer of any other removes its temporary file.
void Batch::end(Slot& slot, FetchResult result)
{
    slot.transfer.reset();
    slot.retryAt.reset();
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

bool Batch::hasUnfinished() const
{
    return std::any_of(m_slots.begin(), m_slots.end(),
                       [](const Slot& slot) { return !slot.result; });
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
                                  std::vector<Retrieval>& retrievals, const FetcherOptions& options,
                                  const ProgressCallback& progress)
{
    return Batch(connections.handle(), retrievals, options).run(progress);
}

} // namespace ravello::tmdb
