// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/collection/index_record.h"
#include "core/collection/line_marks.h"

namespace ravello::collection {

// Turns the lines of a DVD Profiler export, given in order, into index records. It does not
// parse XML: it relies on DVD Profiler writing one element a line and looks for the few
// elements the index needs. A profile begins at its <ID> line; its record is made at its
// first </MyLinks> line or at its <Locks> line, whichever comes first (older exports have
// no MyLinks), and the lines from <Locks> to </Locks> set nothing.
class ProfileReader
{
public:
    static constexpr std::size_t kMaxOverview = 19999;

    ProfileReader();

    // Takes the next line of the export and its marks (marksOf). Most lines of an export (the
    // cast and crew, the elements the index has no use for) set nothing: they are passed over
    // here, without a call.
    void readLine(std::string_view line, LineMarks marks)
    {
        if (m_inOverview || (marks & ~kMarkCastAndCrew) != 0)
            readMarkedLine(line, marks);
    }

    // The records made so far, in the order of the export.
    const std::vector<std::string>& records() const { return m_records; }
    int recordCount() const { return static_cast<int>(m_records.size()); }
    // Profiles that could not be written without breaking the columns: a collection number
    // outside 1..99,999, a profile ID over 24 characters or holding '|', more than 999
    // profiles with one number.
    int skipped() const { return m_skipped; }
    // Profiles without a collection number (wish list and ordered titles): no record.
    int unnumbered() const { return m_unnumbered; }

private:
    void readMarkedLine(std::string_view line, LineMarks marks);
    void startProfile(std::string_view line);
    void readFields(std::string_view line, LineMarks marks);
    void readOverviewLine(std::string_view line, LineMarks marks);
    void appendOverviewPiece(std::string_view line);
    void closeProfile();

    IndexRecord m_profile;
    std::string m_overviewPiece;    // a line of an overview, its memory used again
    std::vector<int> m_occurrences; // profiles written per collection number
    std::vector<std::string> m_records;
    int m_skipped = 0;
    int m_unnumbered = 0;
    bool m_closed = false;     // the profile's record point has passed
    bool m_inLocks = false;    // between <Locks> and </Locks>
    bool m_inOverview = false; // inside an overview written over several lines
};

} // namespace ravello::collection
