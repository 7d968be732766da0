// SPDX-License-Identifier: MIT
#include "core/collection/background_credits_reader.h"

#include <system_error>

namespace ravello::collection {

BackgroundCreditsReader::BackgroundCreditsReader(std::ostream& peopleTable,
                                                 std::ostream& episodeTable)
    : m_people(peopleTable), m_dividers(episodeTable)
{
    try {
        m_worker = std::thread(&BackgroundCreditsReader::work, this);
    } catch (const std::system_error&) {
        // No thread: endText reads each text itself.
    }
}

BackgroundCreditsReader::~BackgroundCreditsReader()
{
    finish();
}

void BackgroundCreditsReader::read(Text& text)
{
    m_people.readLines(text.people);
    m_dividers.readLines(text.dividers);
    text.people.clear();
    text.dividers.clear();
}

void BackgroundCreditsReader::endText()
{
    if (!m_worker.joinable()) {
        read(m_texts[m_filling]);
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

void BackgroundCreditsReader::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    const Text& filling = m_texts[m_filling];
    if (!filling.people.empty() || !filling.dividers.empty())
        endText();
    if (m_worker.joinable()) {
        {
            const std::lock_guard lock(m_mutex);
            m_done = true;
        }
        m_changed.notify_all();
        m_worker.join();
    }
    m_dividers.finish();
}

void BackgroundCreditsReader::work()
{
    for (;;) {
        Text* text = nullptr;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return m_waiting > 0 || m_done; });
            if (m_waiting == 0)
                return;
            text = &m_texts[m_first];
        }
        read(*text);
        {
            const std::lock_guard lock(m_mutex);
            m_first = (m_first + 1) % m_texts.size();
            --m_waiting;
        }
        m_changed.notify_all();
    }
}

} // namespace ravello::collection
