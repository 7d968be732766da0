// SPDX-License-Identifier: MIT
// Every line of any bytes as a disc title and as a person's name. A title read as a TV disc's
// gives back the same show, season and disc when written again; a name's three parts hold its
// words, in order, and are looked up in the people table as the whole name is.
#include "core/collection/disc_title.h"
#include "core/collection/people_table.h"
#include "core/output/split_name.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace ravello;
using fuzz::check;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

void readTitle(std::string_view title)
{
    const std::optional<collection::DiscTitle> disc = collection::readDiscTitle(title);
    if (!disc)
        return;
    check(!disc->show.empty() && !isBlank(disc->show.front()) && !isBlank(disc->show.back()));
    check(disc->season >= 0 && disc->season <= 9999 && disc->disc.value_or(0) >= 0 &&
          disc->disc.value_or(0) <= 9999);
    std::string written = disc->show + ": Season " + std::to_string(disc->season);
    if (disc->disc)
        written += ": Disc " + std::to_string(*disc->disc);
    check(collection::readDiscTitle(written) == disc);
}

// The words of a name: its runs of bytes other than spaces, joined by one space.
std::string wordsOf(std::string_view name)
{
    std::string words;
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t end = std::min(name.find(' ', at), name.size());
        if (end > at)
            words.append(words.empty() ? "" : " ").append(name.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

void readName(std::string_view name)
{
    const output::PersonName parts = output::splitName(name);
    const std::string joined = parts.first + ' ' + parts.middle + ' ' + parts.last;
    check(wordsOf(joined) == wordsOf(name));
    check(parts.first.empty() == wordsOf(name).empty());
    check(!parts.last.empty() || parts.middle.empty());
    check(collection::peopleKey(joined) == collection::peopleKey(name));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input = fuzz::textOf(data, size);
    for (std::size_t begin = 0; begin <= input.size();) {
        const std::size_t end = std::min(input.find('\n', begin), input.size());
        const std::string_view line = input.substr(begin, end - begin);
        readTitle(line);
        readName(line);
        begin = end + 1;
    }
    return 0;
}
