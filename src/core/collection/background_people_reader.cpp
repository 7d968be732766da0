// SPDX-License-Identifier: MIT
#include "core/collection/background_people_reader.h"

#include <system_error>

namespace ravello::collection {

BackgroundPeopleReader::BackgroundPeopleReader(std::ostream& table) : m_reader(table)
{
    try {
        m_worker = std::thread(&BackgroundPeopleReader::work, this);
    } catch (const std::system_error&) {
        // No thread: endText reads each text itself.
    }
}

BackgroundPeopleReader::~BackgroundPeopleReader()
{
    finish();
}

void BackgroundPeopleReader::endText()
{
    if (!m_worker.joinable()) {
        m_reader.readLines(m_texts[m_filling]);
        m_texts[m_filling].clear();
        return;
    }
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting < kTextsKept; });
        ++m_waiting;
    }
    m_changed.notify_all();
    // The worker has read the text of this slot to its end and emptied it.
    m_filling = (m_filling + 1) % m_texts.size();
}

void BackgroundPeopleReader::finish()
{
    if (!m_texts[m_filling].empty())
        endText();
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
        std::vector<std::string_view>* text = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_waiting > 0 || m_done; });
            if (m_waiting == 0)
                return;
            text = &m_texts[m_first];
        }
        m_reader.readLines(*text);
        text->clear();
        {
            const std::lock_guard lock(m_mutex);
            m_first = (m_first + 1) % m_texts.size();
            --m_waiting;
        }
        m_changed.notify_all();
    }
}

} // namespace ravello::collection
