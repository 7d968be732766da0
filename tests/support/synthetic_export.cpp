// SPDX-License-Identifier: MIT
#include "tests/support/synthetic_export.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace ravello::testing {
namespace {

constexpr std::string_view kFirstNames[] = {"John",    "Sigourney", "Ren\xE9", "Fran\xE7ois",
                                            "Maria",   "Bj\xF6rk",  "Tom",     "Isabelle",
                                            "Jos\xE9", "Hanna"};
// Last names are three of these, 8,000 of them.
constexpr std::string_view kSyllables[] = {"ka", "lo", "mi", "ne", "ra",    "so",   "ti",
                                           "vu", "be", "do", "fa", "gi",    "ja",   "ko",
                                           "lu", "ma", "ni", "po", "l\xE9", "s\xFC"};
constexpr int kLastNameCount = 8000;
constexpr std::string_view kWords[] = {"Alien",
                                       "Night",
                                       "Return",
                                       "City",
                                       "L'\xE9t\xE9",
                                       "Dark",
                                       "River",
                                       "Love",
                                       "Winter",
                                       "M\xE4"
                                       "dchen",
                                       "Stars",
                                       "Home",
                                       "Last",
                                       "Summer",
                                       "Fire"};
constexpr std::string_view kCreditTypes[][2] = {
    {"Direction", "Director"},       {"Writing", "Screenwriter"},
    {"Production", "Producer"},      {"Cinematography", "Director of Photography"},
    {"Film Editing", "Film Editor"}, {"Music", "Composer"},
    {"Sound", "Sound Designer"},     {"Art", "Production Designer"}};
constexpr std::string_view kLocks[] = {
    "Entire",       "Covers",      "Title",       "MediaType",      "Overview",
    "Regions",      "Genres",      "SRP",         "Studios",        "DiscInformation",
    "Cast",         "Crew",        "Features",    "AudioTracks",    "Subtitles",
    "EasterEggs",   "RunningTime", "ReleaseDate", "ProductionYear", "CaseType",
    "VideoFormats", "Rating"};

// Joins texts; operator+ chains trip a false -Wrestrict warning of GCC 12 at -O3.
std::string join(std::initializer_list<std::string_view> parts)
{
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

std::string capitalised(std::string_view syllable)
{
    std::string word(syllable);
    word[0] = static_cast<char>(word[0] - ('a' - 'A'));
    return word;
}

std::string syntheticLastName(std::size_t name)
{
    const std::size_t count = std::size(kSyllables);
    return join({capitalised(kSyllables[name % count]), kSyllables[name / count % count],
                 kSyllables[name / count / count % count]});
}

// DVD Profiler writes an apostrophe in an attribute as an entity.
std::string escapedApostrophes(std::string_view text)
{
    std::string escaped;
    for (const char c : text)
        escaped += c == '\'' ? std::string_view("&apos;") : std::string_view(&c, 1);
    return escaped;
}

// A small deterministic generator, so that every run writes the same bytes.
class Random
{
public:
    explicit Random(std::uint32_t seed) : m_state(seed * 2654435761u + 1) {}
    std::uint32_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint32_t>(bound)); }
    template <typename T, std::size_t N> const T& pick(const T (&items)[N])
    {
        return items[next() % N];
    }

private:
    std::uint32_t m_state;
};

class ExportWriter
{
public:
    ExportWriter(std::ostream& out, const SyntheticExportOptions& options)
        : m_out(out), m_options(options), m_random(options.seed),
          m_end(options.crLf ? "\r\n" : "\n")
    {}
    void write();

private:
    void line(int depth, std::string_view text);
    void element(int depth, std::string_view name, std::string_view value);
    void profile(int index);
    void mediaTypes(int index);
    void identity(int index);
    void details();
    void cast(int index);
    void crew(int index);
    void divider(int index, int part, int of);
    void overview();
    void closing();
    std::string title(int words);
    std::string personAttributes();
    int personNumber();

    std::ostream& m_out;
    const SyntheticExportOptions& m_options;
    Random m_random;
    std::string_view m_end;
    int m_number = 0;
};

void ExportWriter::line(int depth, std::string_view text)
{
    m_out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << text << m_end;
}

void ExportWriter::element(int depth, std::string_view name, std::string_view value)
{
    if (value.empty())
        line(depth, join({"<", name, "/>"}));
    else
        line(depth, join({"<", name, ">", value, "</", name, ">"}));
}

std::string ExportWriter::title(int words)
{
    std::string text(m_random.pick(kWords));
    for (int i = 1; i < words; ++i)
        text += join({m_random.below(8) == 0 ? " &amp; " : " ", m_random.pick(kWords)});
    return text;
}

void ExportWriter::write()
{
    m_out << "<?xml version=\"1.0\" encoding=\"windows-1252\"?>" << m_end;
    line(0, "<Collection>");
    for (int i = 0; i < m_options.profiles; ++i)
        profile(i);
    line(0, "</Collection>");
}

void ExportWriter::profile(int index)
{
    line(1, "<DVD>");
    element(
        2, "ID",
        join({std::to_string(5000000000000LL + index * 7919LL), ".", std::to_string(index % 5)}));
    mediaTypes(index);
    identity(index);
    details();
    cast(index);
    crew(index);
    overview();
    closing();
    line(1, "</DVD>");
}

void ExportWriter::mediaTypes(int index)
{
    static constexpr std::string_view kCustom[] = {"", "", "", "X265 UHD", "Divx 5"};
    line(2, "<MediaTypes>");
    element(3, "DVD", index % 7 == 0 ? "False" : "true");
    element(3, "HDDVD", index % 11 == 0 ? "true" : "false");
    element(3, "BluRay", index % 3 == 0 ? "true" : "false");
    element(3, "CustomMediaType", m_random.pick(kCustom));
    line(2, "</MediaTypes>");
}

void ExportWriter::identity(int index)
{
    element(2, "UPC", join({"0-25192-0", std::to_string(1000 + index % 9000), "-1"}));
    const bool unnumbered = m_options.unnumberedEvery > 0 && index % m_options.unnumberedEvery == 1;
    const bool shared =
        m_options.sharedNumberEvery > 0 && index % m_options.sharedNumberEvery == 2 && m_number > 0;
    if (unnumbered) {
        element(2, "CollectionNumber", "");
    } else {
        m_number += shared ? 0 : 1;
        element(2, "CollectionNumber", std::to_string(m_number));
    }
    line(2, "<CollectionType IsPartOfOwnedCollection=\"True\">Owned</CollectionType>");
    element(2, "Title", title(1 + m_random.below(m_random.below(20) == 0 ? 30 : 4)));
    element(2, "DistTrait", "");
    element(2, "OriginalTitle", m_random.below(3) == 0 ? title(2) : "");
    element(2, "CountryOfOrigin", "United States");
    element(2, "ProductionYear", std::to_string(1930 + m_random.below(95)));
    element(2, "Released", join({"2004-05-1", std::to_string(m_random.below(10))}));
    element(2, "RunningTime", std::to_string(70 + m_random.below(120)));
    element(2, "RatingSystem", "MPAA");
    element(2, "Rating", "PG-13");
}

void ExportWriter::details()
{
    element(2, "CaseType", "Keep Case");
    line(2, "<BoxSet>");
    element(3, "Parent", "");
    element(3, "Contents", "");
    line(2, "</BoxSet>");
    element(2, "SortTitle", title(2));
    element(2, "LastEdited", "2021-03-04T10:11:12");
    line(2, "<Genres>");
    element(3, "Genre", "Science-Fiction");
    element(3, "Genre", "Drama");
    line(2, "</Genres>");
    line(2, "<Format>");
    element(3, "FormatAspectRatio", "2.35");
    element(3, "FormatVideoStandard", "PAL");
    line(2, "</Format>");
    line(2, "<Audio>");
    line(3, "<AudioTrack>");
    element(4, "AudioContent", "English");
    element(4, "AudioFormat", "Dolby Digital");
    element(4, "AudioChannels", "5.1");
    line(3, "</AudioTrack>");
    line(2, "</Audio>");
    line(2, "<SRP DenominationType=\"EUR\" DenominationDesc=\"&#8364;\">19.99</SRP>");
}

// The first people of the pool play in many films, most of the others in a few.
int ExportWriter::personNumber()
{
    return m_random.below(1 + m_random.below(std::max(1, m_options.people)));
}

std::string ExportWriter::personAttributes()
{
    const SyntheticPerson person = syntheticPerson(personNumber());
    return join({"FirstName=\"", person.first, "\" MiddleName=\"", person.middle, "\" LastName=\"",
                 escapedApostrophes(person.last), "\" BirthYear=\"",
                 std::to_string(person.birthYear), "\""});
}

// Before the first of each quarter of a disc's cast or crew: its episode's divider, the disc
// being the profile's in a season of four discs of four episodes.
void ExportWriter::divider(int index, int part, int of)
{
    constexpr int kDiscs = 4;
    constexpr int kEpisodes = 4;
    const int every = m_options.episodeDiscEvery;
    if (every <= 0 || index % every != 0 || of < kEpisodes || part % (of / kEpisodes) != 0 ||
        part / (of / kEpisodes) >= kEpisodes)
        return;
    const int disc = index / every % kDiscs;
    const int episode = disc * kEpisodes + part / (of / kEpisodes) + 1;
    line(3, join({"<Divider Caption=\"", std::to_string(1 + index / every / kDiscs % 9), ".",
                  episode < 10 ? "0" : "", std::to_string(episode), " ", title(2),
                  "\" Type=\"Episode\"/>"}));
}

void ExportWriter::cast(int index)
{
    line(2, "<Actors>");
    for (int i = 0; i < m_options.castPerProfile; ++i) {
        divider(index, i, m_options.castPerProfile);
        line(3, join({"<Actor ", personAttributes(), " Role=\"", m_random.pick(kWords), " &quot;",
                      m_random.pick(kFirstNames),
                      "&quot;\" CreditedAs=\"\" Voice=\"False\" Uncredited=\"False\"/>"}));
    }
    line(2, "</Actors>");
}

void ExportWriter::crew(int index)
{
    line(2, "<Credits>");
    for (int i = 0; i < m_options.crewPerProfile; ++i) {
        divider(index, i, m_options.crewPerProfile);
        const auto& type = m_random.pick(kCreditTypes);
        line(3, join({"<Credit ", personAttributes(), " CreditType=\"", type[0],
                      "\" CreditSubtype=\"", type[1], "\" CreditedAs=\"\"/>"}));
    }
    line(2, "</Credits>");
}

// The first line names a film in escaped italics; the others are plain prose in which a
// title now and then holds an accented letter or an escaped ampersand.
void ExportWriter::overview()
{
    const auto sentence = [this] {
        return join({"The story of a ", title(2), " and of the people of ", title(2),
                     " on the night when everything changed for ever."});
    };
    const auto marked = [this] {
        return join({"A tribute to &lt;i&gt;", title(2), "&lt;/i&gt;, told by its makers."});
    };
    if (m_options.overviewLines <= 1) {
        element(2, "Overview", marked());
        return;
    }
    line(2, join({"<Overview>", marked()}));
    for (int i = 2; i < m_options.overviewLines; ++i)
        line(0, m_options.markupEveryLine ? marked() : sentence());
    line(0, join({m_options.markupEveryLine ? marked() : sentence(), "</Overview>"}));
}

void ExportWriter::closing()
{
    element(2, "EasterEggs", "");
    line(2, join({"<Review Film=\"", std::to_string(m_random.below(10)),
                  "\" Video=\"7\" Audio=\"6\" Extras=\"5\"/>"}));
    element(2, "Notes", "");
    if (m_options.myLinks) {
        line(2, "<MyLinks>");
        element(3, "UserLinks", "");
        line(2, "</MyLinks>");
    }
    line(2, "<Locks>");
    for (std::string_view lock : kLocks)
        element(3, lock, "false");
    line(2, "</Locks>");
}

} // namespace

void writeSyntheticExport(std::ostream& out, const SyntheticExportOptions& options)
{
    ExportWriter(out, options).write();
}

SyntheticPerson syntheticPerson(int number)
{
    const auto n = static_cast<std::size_t>(number);
    const std::string last = syntheticLastName(n / std::size(kFirstNames) % kLastNameCount);
    SyntheticPerson person;
    person.first = kFirstNames[n % std::size(kFirstNames)];
    person.middle = n % 5 == 1 ? capitalised(kSyllables[n / 5 % std::size(kSyllables)]) + "." : "";
    person.last = n % 50 == 7 ? "O'" + last : last;
    person.birthYear = n % 7 == 3 ? 0 : 1900 + static_cast<int>((n * 7919) % 100);
    return person;
}

} // namespace ravello::testing
