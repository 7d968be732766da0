// SPDX-License-Identifier: MIT
#include "core/collection/background_people_reader.h"

#include <system_error>

namespace ravello::collection {
namespace {

// Large enough that handing over is rare, small enough to stay in the cache while read.
constexpr std::size_t kBatchBytes = std::size_t{256} * 1024;

} // namespace

void BackgroundPeopleReader::Batch::clear()
{
    text.clear();
    ends.clear();
}

const std::vector<std::string_view>& BackgroundPeopleReader::Batch::viewLines()
{
    lines.clear();
    std::size_t begin = 0;
    for (const std::size_t end : ends) {
        lines.emplace_back(text.data() + begin, end - begin);
        begin = end;
    }
    return lines;
}

BackgroundPeopleReader::BackgroundPeopleReader(std::ostream& table) : m_reader(table)
{
    try {
        m_worker = std::thread(&BackgroundPeopleReader::work, this);
    } catch (const std::system_error&) {
        // No thread: readLine reads each batch itself.
    }
}

BackgroundPeopleReader::~BackgroundPeopleReader()
{
    finish();
}

void BackgroundPeopleReader::readLine(std::string_view line)
{
    m_filling.text += line;
    m_filling.ends.push_back(m_filling.text.size());
    if (m_filling.text.size() >= kBatchBytes)
        handOver();
}

// Waits for the worker to take the batch before, then leaves this one for it.
void BackgroundPeopleReader::handOver()
{
    if (!m_worker.joinable()) {
        m_reader.readLines(m_filling.viewLines());
        m_filling.clear();
        return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_sharedFull; });
    std::swap(m_filling, m_shared);
    m_sharedFull = true;
    m_changed.notify_all();
    lock.unlock();
    m_filling.clear();
}

void BackgroundPeopleReader::finish()
{
    if (!m_filling.ends.empty())
        handOver();
    if (!m_worker.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
    m_worker.join();
}

void BackgroundPeopleReader::work()
{
    for (;;) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_sharedFull || m_done; });
        if (!m_sharedFull)
            return;
        std::swap(m_working, m_shared);
        m_sharedFull = false;
        m_changed.notify_all();
        lock.unlock();
        m_reader.readLines(m_working.viewLines());
        m_working.clear();
    }
}

} // namespace ravello::collection
