// SPDX-License-Identifier: MIT
// The readers of TMDb's answers on any bytes, as an answer and as a cache file: the search
// result lines (and reading each line back), the data page and the credit lists.
#include "core/tmdb/credit_lists.h"
#include "core/tmdb/endpoint.h"
#include "core/tmdb/film_data_page.h"
#include "core/tmdb/result_line.h"
#include "core/tmdb/token_lines.h"
#include "fuzz/fuzz_input.h"

namespace {

void readAnswer(std::string_view answer)
{
    using namespace ravello::tmdb;
    static const Endpoint endpoint("https://api.example", "https://image.example", "key", "en-US");
    for (const std::string& line : resultLinesOf(answer, endpoint)) {
        const ResultLine read = readResultLine(line);
        ravello::fuzz::check(read.filmId >= 0 || line.starts_with('-'));
    }
    (void)readFilmDataPage(603, answer);
    (void)readCreditLists(answer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace ravello;
    const std::string_view input = fuzz::textOf(data, size);
    readAnswer(input);
    readAnswer(tmdb::joinTokenLines(tmdb::tokenLinesOfFile(input)));
    (void)tmdb::readResultLine(input);
    return 0;
}
