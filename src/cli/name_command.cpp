// SPDX-License-Identifier: MIT
#include <istream>

#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/output/document_lines.h"
#include "core/output/document_person.h"

namespace ravello::cli {
namespace {

// One name's line: the four attributes as the documents write them, without a TMDb year.
void writeName(const CliContext& context, const collection::PeopleTable& people,
               std::string_view name)
{
    context.writeText(output::personAttributes(output::documentPerson(&people, name, 0)));
    context.out << '\n';
}

} // namespace

int runName(CliContext& context, const Arguments& arguments)
{
    for (const std::string& argument : arguments) {
        if (argument.starts_with("--"))
            return context.usageError("unknown option " + argument);
    }
    const collection::PeopleTable people = collectionPeople(context);
    for (const std::string& name : arguments)
        writeName(context, people, name);
    if (arguments.empty()) {
        // One name a line; an empty line gives a line too, so output and input stay in step.
        for (std::string line; std::getline(context.in, line);) {
            if (line.ends_with('\r'))
                line.pop_back();
            writeName(context, people, line);
        }
    }
    return context.finish();
}

} // namespace ravello::cli
