// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "cli/cli_context.h"

namespace ravello::cli {

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"normalise", "", "normalise standard input's text as the lists show TMDb's texts",
         runNormalise},
        {"import", "[EXPORT [INDEX]]",
         "import DVD Profiler's export into the title index and the people table", runImport},
        {"cast-xml", "ID|--tv SHOW_ID N [--episodes FIRST[-LAST]] [--birth-years]",
         "write the film's or the season's cast document for DVD Profiler, with birth years if "
         "asked",
         runCastXml},
        {"crew-xml",
         "ID|--tv SHOW_ID N [--episodes FIRST[-LAST]] [--full-crew] [--no-photography] "
         "[--no-sound] [--no-art] [--no-other] [--birth-years] [--report]",
         "write the film's or the season's crew document, leaving out the groups named; a "
         "season keeps directing, writing and the composer unless --full-crew; --report tells "
         "what the mapping left out",
         runCrewXml},
        {"crew-map", "[--path]", "print the crew mapping in effect, or its file's path",
         runCrewMap},
        {"name", "[TEXT...]",
         "print the name parts and birth year the documents write for each name, or each line "
         "of standard input",
         runName},
        {"photo", "cast|crew PERSON_ID PHOTO_PATH",
         "fetch a person's photo into the cache and print its file", runPhoto},
        {"search", "[--tv] TEXT",
         "search TMDb for films, or TV shows with --tv, and print one result line each", runSearch},
        {"match", "[--tv] TITLE [--year YEAR] [--original-title TEXT]",
         "search TMDb and print the result lines, the likeliest film first; with --tv the "
         "likeliest show, TITLE may be a disc title such as \"Castle: Season 3: Disc 2\"",
         runMatch},
        {"season", "SHOW_ID N", "print the captions of the season's episodes, one a line",
         runSeason},
        {"film", "ID", "print the film's data page: title, original title, year, length, overview",
         runFilm},
        {"credits", "ID", "print the film's four credit lists", runCredits},
        {"open", "ID", "open the film as the window does and print its cache files", runOpen},
        {"episodes", "NUMBER",
         "print the first and last episode of the collection's disc profile NUMBER and where "
         "they come from: profile, neighbours, copied or split",
         runEpisodes},
        {"prefetch", "[--from N] [--to M] [--birth-years]",
         "prepare the collection's profiles: search each, cache the films of certain matches",
         runPrefetch},
    };
    return all;
}

} // namespace ravello::cli
