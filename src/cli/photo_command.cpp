// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/fetch_failure_text.h"
#include "cli/film_credits.h"
#include "core/files/path_text.h"
#include "core/output/photo_cache.h"

namespace ravello::cli {
namespace {

std::optional<output::PhotoList> parseList(const std::string& text)
{
    if (text == "cast")
        return output::PhotoList::Cast;
    if (text == "crew")
        return output::PhotoList::Crew;
    return std::nullopt;
}

int report(const CliContext& context, const output::PhotoResult& result)
{
    switch (result.problem) {
    case output::PhotoProblem::None:
        context.out << files::utf8FromPath(result.file) << '\n';
        return context.finish();
    case output::PhotoProblem::NoPhoto:
        return context.fail("TMDb has no photo of this person");
    case output::PhotoProblem::BadPersonNumber:
        return context.fail("not a person identifier");
    case output::PhotoProblem::DownloadFailed:
        return context.fail("photo: " + fetchFailureText(result.fetch));
    case output::PhotoProblem::EmptyDownload:
        return context.fail("photo: the image host sent an empty answer");
    }
    return kFailure;
}

} // namespace

int runPhoto(CliContext& context, const Arguments& arguments)
{
    if (arguments.size() != 3)
        return context.usageError("photo takes cast or crew, a person identifier and a path");
    const auto list = parseList(arguments[0]);
    if (!list)
        return context.usageError("photo: the first argument is cast or crew");
    const auto personNumber = parseIdentifier(arguments[1]);
    if (!personNumber)
        return context.usageError("not a person identifier: " + arguments[1]);

    const output::PhotoCache cache(context.folders, context.endpoint, context.fetcher);
    // A person without a photo needs no request, and neither does a cached photo.
    if (output::hasPhoto(arguments[2]) &&
        !context.canAskTmdb({cache.pathFor(*list, *personNumber)}))
        return kFailure;
    return report(context, cache.photo(*list, {*personNumber, arguments[2]}));
}

} // namespace ravello::cli
