// SPDX-License-Identifier: MIT
#include "cli/commands.h"

#include "cli/cli_context.h"

namespace ravello::cli {

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"normalise", "", runNormalise},
        {"import", "[EXPORT [INDEX]]", runImport},
        {"cast-xml", "ID [--birth-years]", runCastXml},
        {"crew-xml",
         "ID [--no-photography] [--no-sound] [--no-art] [--no-other] [--birth-years] [--report]",
         runCrewXml},
        {"crew-map", "[--path]", runCrewMap},
        {"photo", "cast|crew PERSON_ID PHOTO_PATH", runPhoto},
        {"search", "TEXT", runSearch},
        {"match", "TITLE [--year YEAR] [--original-title TEXT]", runMatch},
        {"film", "ID", runFilm},
        {"credits", "ID", runCredits},
        {"open", "ID", runOpen},
    };
    return all;
}

} // namespace ravello::cli
