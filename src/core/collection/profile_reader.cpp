// SPDX-License-Identifier: MIT
#include "core/collection/profile_reader.h"

#include <algorithm>
#include <bit>

#include "core/collection/tag_text.h"
#include "core/text/text_fields.h"
#include "core/text/text_normaliser.h"

namespace ravello::collection {
namespace {

constexpr std::size_t kMaxShortValue = 50;
constexpr std::size_t kMaxTitle = 256;
constexpr std::size_t kMaxOverviewPiece = 19990;
constexpr std::string_view kOverviewTag = "<Overview>";

// Older exports write True and False, newer ones true and false.
bool beginsWithTrue(std::string_view line)
{
    const std::string_view value = tagContent(line);
    constexpr std::string_view kTrue = "true";
    if (value.size() < kTrue.size())
        return false;
    return std::equal(kTrue.begin(), kTrue.end(), value.begin(), [](char wanted, char c) {
        return wanted == (c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c);
    });
}

std::int32_t numberValue(std::string_view line)
{
    return text::toLong(tagContent(line).substr(0, kMaxShortValue));
}

// Reads the value into `value`, whose memory is used again.
void readTextValue(std::string& value, std::string_view line, std::size_t maxChars)
{
    value.assign(tagContent(line).substr(0, maxChars));
    text::normaliseText(value);
}

// The overview ends at its first '<': that removes an end tag left on its last line.
void cutAtFirstTag(std::string& overview)
{
    const std::size_t tag = overview.find('<');
    if (tag != std::string::npos)
        overview.resize(tag);
}

struct FieldRule
{
    LineMarks marks; // every one of them must be on the line
    void (*read)(IndexRecord& profile, std::string_view line);
};

// The fields of a profile, in the order they are looked for on a line.
constexpr FieldRule kFieldRules[] = {
    {kMarkDvdOpen | kMarkDvdClose,
     [](IndexRecord& p, std::string_view l) { p.dvd = p.dvd || beginsWithTrue(l); }},
    {kMarkHdDvdClose,
     [](IndexRecord& p, std::string_view l) { p.hdDvd = p.hdDvd || beginsWithTrue(l); }},
    {kMarkX265, [](IndexRecord& p, std::string_view) { p.x265 = true; }},
    {kMarkDivx, [](IndexRecord& p, std::string_view) { p.divx = true; }},
    {kMarkCollectionNumber,
     [](IndexRecord& p, std::string_view l) { p.collectionNumber = numberValue(l); }},
    {kMarkTitle, [](IndexRecord& p, std::string_view l) { readTextValue(p.title, l, kMaxTitle); }},
    {kMarkOriginalTitle,
     [](IndexRecord& p, std::string_view l) { readTextValue(p.originalTitle, l, kMaxTitle); }},
    {kMarkProductionYear,
     [](IndexRecord& p, std::string_view l) { p.productionYear = numberValue(l); }},
    {kMarkRunningTime, [](IndexRecord& p, std::string_view l) { p.runningTime = numberValue(l); }},
};

} // namespace

ProfileReader::ProfileReader() : m_occurrences(kHighestCollectionNumber + 1, 0) {}

// A line inside an overview, or one with a mark other than those of the cast and crew lines,
// which are the credits reader's: nothing of the record is on them.
void ProfileReader::readMarkedLine(std::string_view line, LineMarks marks)
{
    if (m_inOverview) {
        readOverviewLine(line, marks);
        return;
    }
    if (marks & kMarkId)
        startProfile(line);
    if (m_inLocks) {
        m_inLocks = (marks & kMarkLocksClose) == 0;
        return;
    }
    if (marks & kMarkLocksOpen) {
        closeProfile();
        m_inLocks = (marks & kMarkLocksClose) == 0;
        return;
    }
    readFields(line, marks);
    // A long overview began here: the record waits for the overview's last line.
    if (!m_inOverview && (marks & kMarkMyLinksClose))
        closeProfile();
}

void ProfileReader::startProfile(std::string_view line)
{
    m_profile = IndexRecord{};
    m_profile.profileId = tagContent(line).substr(0, kMaxShortValue);
    m_closed = false;
    m_inLocks = false;
}

void ProfileReader::readFields(std::string_view line, LineMarks marks)
{
    for (const FieldRule& rule : kFieldRules)
        if ((marks & rule.marks) == rule.marks)
            rule.read(m_profile, line);
    // Of several ratings on one line the highest digit wins.
    if (const LineMarks reviews = marks & kMarkAnyReview)
        m_profile.filmRating = static_cast<int>(std::bit_width(reviews >> 16)) - 1;
    if (!(marks & kMarkOverviewOpen))
        return;
    if (marks & kMarkOverviewClose) {
        readTextValue(m_profile.overview, line, kMaxOverviewPiece);
        cutAtFirstTag(m_profile.overview);
        return;
    }
    m_profile.overview.clear();
    m_inOverview = true;
    appendOverviewPiece(line);
}

// A line of an overview written over several lines. Its last line (the one with the end tag)
// may also close the profile.
void ProfileReader::readOverviewLine(std::string_view line, LineMarks marks)
{
    appendOverviewPiece(line);
    if (!(marks & kMarkOverviewClose))
        return;
    m_inOverview = false;
    cutAtFirstTag(m_profile.overview);
    if (marks & kMarkLocksOpen) {
        closeProfile();
        m_inLocks = (marks & kMarkLocksClose) == 0;
    } else if (marks & kMarkMyLinksClose) {
        closeProfile();
    }
}

// The trimmed lines of an overview are joined as they are; past 19,999 characters the rest
// is dropped, though its lines are still read up to the end tag.
void ProfileReader::appendOverviewPiece(std::string_view line)
{
    std::string& overview = m_profile.overview;
    if (overview.size() >= kMaxOverview)
        return;
    std::string_view content = tagContent(line).substr(0, kMaxOverviewPiece);
    // The start tag goes with the blanks (bytes up to 0x20) after it; the content is trimmed,
    // so something other than blanks follows.
    if (content.starts_with(kOverviewTag)) {
        content.remove_prefix(kOverviewTag.size());
        while (!content.empty() && static_cast<unsigned char>(content.front()) <= 0x20)
            content.remove_prefix(1);
    }
    std::string& piece = m_overviewPiece;
    piece.assign(content);
    text::normaliseText(piece);
    piece.resize(std::min(piece.size(), kMaxOverview - overview.size()));
    overview += piece;
}

// The record point of a profile: at most one record per profile, and only when its values
// fit the columns of the index.
void ProfileReader::closeProfile()
{
    if (m_closed)
        return;
    m_closed = true;
    const int number = m_profile.collectionNumber;
    if (number == 0) {
        ++m_unnumbered;
        return;
    }
    if (number < 1 || number > kHighestCollectionNumber) {
        ++m_skipped;
        return;
    }
    int& written = m_occurrences[static_cast<std::size_t>(number)];
    m_profile.occurrence = written + 1;
    if (!fitsColumns(m_profile)) {
        ++m_skipped;
        return;
    }
    written = m_profile.occurrence;
    m_records.push_back(formatIndexRecord(m_profile));
}

} // namespace ravello::collection
