// SPDX-License-Identifier: MIT
#include "cli/commands.h"
#include "cli/film_credits.h"
#include "core/text/text_normaliser.h"
#include "core/tmdb/credit_rows.h"

namespace ravello::cli {
namespace {

std::vector<std::string*> textFieldsOf(tmdb::CastRow& row)
{
    return {&row.name, &row.character};
}

std::vector<std::string*> textFieldsOf(tmdb::CrewRow& row)
{
    return {&row.name, &row.department, &row.job};
}

std::vector<std::string*> textFieldsOf(tmdb::CastPhotoRow& row)
{
    return {&row.name, &row.character};
}

std::vector<std::string*> textFieldsOf(tmdb::CrewPhotoRow& row)
{
    return {&row.name, &row.department, &row.job};
}

// The rows hold TMDb's texts as UTF-8. Written as text, each field is normalised as the lists
// paint it and laid out again in its columns, so that the columns stay lined up.
template <typename Read, typename Format>
std::string relaid(std::string_view row, Read read, Format format)
{
    auto fields = read(row);
    for (std::string* text : textFieldsOf(fields))
        text::normaliseText(*text);
    return format(fields);
}

void writeList(const CliContext& context, const char* header, const std::vector<std::string>& rows,
               std::string (*relay)(std::string_view))
{
    context.out << header << '\n';
    for (const std::string& row : rows) {
        if (context.raw)
            context.out << row;
        else
            context.writeText(relay(row));
        context.out << '\n';
    }
}

std::string castRow(std::string_view row)
{
    return relaid(row, tmdb::readCastRow, tmdb::formatCastRow);
}

std::string crewRow(std::string_view row)
{
    return relaid(row, tmdb::readCrewRow, tmdb::formatCrewRow);
}

std::string castPhotoRow(std::string_view row)
{
    return relaid(row, tmdb::readCastPhotoRow, tmdb::formatCastPhotoRow);
}

std::string crewPhotoRow(std::string_view row)
{
    return relaid(row, tmdb::readCrewPhotoRow, tmdb::formatCrewPhotoRow);
}

} // namespace

int runCredits(CliContext& context, const Arguments& arguments)
{
    const auto filmId = onlyFilmIdentifier(context, "credits", arguments);
    if (!filmId)
        return kUsageError;
    // The lists need no details: a film whose details fail still lists its credits.
    const auto film = openFilmCredits(context, *filmId, false);
    if (!film)
        return kFailure;
    writeList(context, "# cast", film->lists.cast, castRow);
    writeList(context, "# crew", film->lists.crew, crewRow);
    writeList(context, "# castphoto", film->lists.castPhoto, castPhotoRow);
    writeList(context, "# crewphoto", film->lists.crewPhoto, crewPhotoRow);
    return context.finish();
}

} // namespace ravello::cli
