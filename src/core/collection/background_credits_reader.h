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

#include "core/collection/episode_divider_reader.h"
#include "core/collection/people_reader.h"

namespace ravello::collection {

// A PeopleReader and an EpisodeDividerReader at work on a thread of their own, so that the
// import reads the titles of the export while the people of its cast and crew lines and the
// episodes of its dividers are sorted out. The lines go over as views, not copies, a text of
// lines at a time (LineReader::nextLines): a few texts may wait, so that neither side waits
// for the other at every text. When no thread can be started, each text is read on the
// caller's thread.
class BackgroundCreditsReader
{
public:
    // The texts the reader may still be reading when one more ends: their bytes must stay as
    // they are until then, as a LineReader of kTextsKept + 1 buffers keeps them.
    static constexpr std::size_t kTextsKept = 7;

    BackgroundCreditsReader(std::ostream& peopleTable, std::ostream& episodeTable);
    ~BackgroundCreditsReader();
    BackgroundCreditsReader(const BackgroundCreditsReader&) = delete;
    BackgroundCreditsReader& operator=(const BackgroundCreditsReader&) = delete;

    // Take a line of the text being read; the view is kept. A cast or crew line, for
    // PeopleReader::readLines; a profile's <ID> line and a divider line, for
    // EpisodeDividerReader::readLines.
    void readPersonLine(std::string_view line) { m_texts[m_filling].people.push_back(line); }
    void readProfileStart(std::string_view line)
    {
        m_texts[m_filling].dividers.push_back({line, true});
    }
    void readDividerLine(std::string_view line)
    {
        m_texts[m_filling].dividers.push_back({line, false});
    }
    // Hands the lines of the text over; the caller may then read its next text. Waits while
    // kTextsKept texts wait or are being read.
    void endText();
    // Waits until every text has been read and both tables written; the counts hold then.
    void finish();

    int peopleCount() const { return m_people.peopleCount(); }
    int damaged() const { return m_people.damaged(); }
    int episodeProfiles() const { return m_dividers.profileCount(); }

private:
    struct Text
    {
        std::vector<std::string_view> people;
        std::vector<DividerSourceLine> dividers;
    };

    void work();
    void read(Text& text);

    PeopleReader m_people;
    EpisodeDividerReader m_dividers;
    // A ring: the texts handed over, from m_first on (the first one being read), then the one
    // being filled.
    std::array<Text, kTextsKept + 1> m_texts;
    std::size_t m_filling = 0; // the caller's
    std::size_t m_first = 0;   // the worker's; changed under the lock
    std::size_t m_waiting = 0; // texts handed over and not read to the end
    bool m_done = false;
    bool m_finished = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_worker;
};

} // namespace ravello::collection
