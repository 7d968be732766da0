// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/output/cast_information.h"

namespace ravello::cli {

int runCastXml(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 1)
        return context.usageError("cast-xml takes one film identifier");
    const auto filmId = parseIdentifier(arguments[0]);
    if (!filmId)
        return context.usageError("not a film identifier: " + arguments[0]);
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << output::buildCastInformationFromRows(film->title, film->lists.cast);
    return context.out.good() ? kSuccess : context.fail("could not write the output");
}

} // namespace ravello::cli
