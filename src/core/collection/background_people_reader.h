// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <ostream>
#include <string_view>
#include <thread>
#include <vector>

#include "core/collection/people_reader.h"

namespace ravello::collection {

// A PeopleReader at work on a thread of its own, so that the import reads the titles of the
// export while the people of its cast and crew lines are sorted out. The lines go over as
// views, not copies, a text of lines at a time (LineReader::nextLines): a few texts may wait,
// so that neither side waits for the other at every text. When no thread can be started, each
// text is read on the caller's thread.
class BackgroundPeopleReader
{
public:
    // The texts the reader may still be reading when one more ends: their bytes must stay as
    // they are until then, as a LineReader of kTextsKept + 1 buffers keeps them.
    static constexpr std::size_t kTextsKept = 7;

    explicit BackgroundPeopleReader(std::ostream& table);
    ~BackgroundPeopleReader();
    BackgroundPeopleReader(const BackgroundPeopleReader&) = delete;
    BackgroundPeopleReader& operator=(const BackgroundPeopleReader&) = delete;

    // Takes a line of the text being read, for PeopleReader::readLines; the view is kept.
    void readLine(std::string_view line) { m_texts[m_filling].push_back(line); }
    // Hands the lines of the text over; the caller may then read its next text. Waits while
    // kTextsKept texts wait or are being read.
    void endText();
    // Waits until every text has been read and the table written; the counts hold then.
    void finish();

    int peopleCount() const { return m_reader.peopleCount(); }
    int damaged() const { return m_reader.damaged(); }

private:
    void work();

    PeopleReader m_reader;
    // A ring: the texts handed over, from m_first on (the first one being read), then the one
    // being filled.
    std::array<std::vector<std::string_view>, kTextsKept + 1> m_texts;
    std::size_t m_filling = 0; // the caller's
    std::size_t m_first = 0;   // the worker's; changed under the lock
    std::size_t m_waiting = 0; // texts handed over and not read to the end
    bool m_done = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_worker;
};

} // namespace ravello::collection
