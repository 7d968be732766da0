// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/output/cast_information.h"

namespace ravello::cli {

int runCastXml(CliContext& context, const Arguments& arguments)
{
    const auto filmId = onlyFilmIdentifier(context, "cast-xml", arguments);
    if (!filmId)
        return kUsageError;
    const auto film = openFilmCredits(context, *filmId);
    if (!film)
        return kFailure;
    // The document declares its own encoding, so its bytes are written as they are.
    context.out << output::buildCastInformationFromRows(film->title, film->lists.cast);
    return context.finish();
}

} // namespace ravello::cli
