// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/collection/people_reader.h"

namespace ravello::collection {

// A PeopleReader at work on a thread of its own, so that the import reads the titles of the
// export while the people of its cast and crew lines are sorted out: the lines go over in
// batches of copies, one batch filling while the other is read. When no thread can be started
// the batches are read on the caller's thread.
class BackgroundPeopleReader
{
public:
    explicit BackgroundPeopleReader(std::ostream& table);
    ~BackgroundPeopleReader();
    BackgroundPeopleReader(const BackgroundPeopleReader&) = delete;
    BackgroundPeopleReader& operator=(const BackgroundPeopleReader&) = delete;

    // Takes a line for PeopleReader::readLines; the line is copied.
    void readLine(std::string_view line);
    // Waits until every line taken has been read and the table written; the counts hold then.
    void finish();

    int peopleCount() const { return m_reader.peopleCount(); }
    int damaged() const { return m_reader.damaged(); }

private:
    struct Batch
    {
        std::string text;              // the lines, one after the other
        std::vector<std::size_t> ends; // where each line ends in `text`
        std::vector<std::string_view> lines;

        void clear();
        const std::vector<std::string_view>& viewLines();
    };

    void handOver();
    void work();

    PeopleReader m_reader;
    Batch m_filling;
    Batch m_shared; // handed over, not yet taken by the worker
    Batch m_working;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_sharedFull = false;
    bool m_done = false;
    std::thread m_worker;
};

} // namespace ravello::collection
