// SPDX-License-Identifier: MIT
#include "core/output/credit_documents.h"

#include <unordered_set>

#include "core/output/cast_information.h"
#include "core/output/document_person.h"
#include "core/output/season_crew_information.h"

namespace ravello::output {
namespace {

template <typename... Visitors> struct Overloaded : Visitors...
{
    using Visitors::operator()...;
};
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

int yearOf(const PersonYears& years, std::int32_t personId)
{
    const auto found = years.find(personId);
    return found == years.end() ? 0 : found->second;
}

std::vector<tmdb::CastRow> castRowsOf(const std::vector<tmdb::CastMember>& cast)
{
    std::vector<tmdb::CastRow> rows;
    rows.reserve(cast.size());
    for (const tmdb::CastMember& member : cast)
        rows.push_back({member.name, member.character});
    return rows;
}

std::vector<tmdb::CrewRow> crewRowsOf(const std::vector<tmdb::CrewMember>& crew)
{
    std::vector<tmdb::CrewRow> rows;
    rows.reserve(crew.size());
    for (const tmdb::CrewMember& member : crew)
        rows.push_back({member.name, member.department, member.job});
    return rows;
}

// The years of a film's people in the order of their lines, as the film documents take them.
template <typename Member>
std::vector<int> yearsInOrder(const std::vector<Member>& members, const PersonYears& years)
{
    std::vector<int> inOrder;
    inOrder.reserve(members.size());
    for (const Member& member : members)
        inOrder.push_back(yearOf(years, member.personId));
    return inOrder;
}

template <typename Member> std::vector<const Member*> everyone(const std::vector<Member>& members)
{
    std::vector<const Member*> people;
    people.reserve(members.size());
    for (const Member& member : members)
        people.push_back(&member);
    return people;
}

// The film's crew members that get a line with these choices.
std::vector<const tmdb::CrewMember*> creditedCrew(const std::vector<tmdb::CrewMember>& crew,
                                                  const DocumentChoices& choices)
{
    std::vector<const tmdb::CrewMember*> people;
    for (const tmdb::CrewMember& member : crew) {
        if (hasLine(choices.mapping.map(member.department, member.job, choices.groups)))
            people.push_back(&member);
    }
    return people;
}

template <typename Member>
std::vector<std::int32_t> needingTmdbYears(const std::vector<const Member*>& named,
                                           const collection::PeopleTable* table)
{
    std::vector<std::int32_t> people;
    std::unordered_set<std::int32_t> taken;
    for (const Member* member : named) {
        if (member->personId > 0 && needsTmdbYear(table, member->name) &&
            taken.insert(member->personId).second)
            people.push_back(member->personId);
    }
    return people;
}

} // namespace

std::vector<SeasonPart> SeasonSubject::parts() const
{
    std::vector<SeasonPart> all{{content, range}};
    // A part holds its season by reference: it is copied in, never assigned.
    for (const SeasonPart& part : continuation)
        all.push_back(part);
    return all;
}

CreditDocuments::CreditDocuments(FilmSubject film, DocumentChoices choices)
    : m_subject(std::move(film)), m_choices(choices)
{}

CreditDocuments::CreditDocuments(SeasonSubject season, DocumentChoices choices)
    : m_subject(season), m_choices(choices)
{}

std::vector<std::int32_t> CreditDocuments::peopleToAsk(DocumentKind kind) const
{
    const collection::PeopleTable* table = m_choices.people;
    const SeasonCrewOptions seasonCrew{m_choices.groups, m_choices.fullSeriesCrew};
    return std::visit(
        Overloaded{[&](const FilmSubject& film) {
                       return kind == DocumentKind::Cast
                                  ? needingTmdbYears(everyone(film.cast), table)
                                  : needingTmdbYears(creditedCrew(film.crew, m_choices), table);
                   },
                   [&](const SeasonSubject& season) {
                       const std::vector<SeasonPart> parts = season.parts();
                       return kind == DocumentKind::Cast
                                  ? needingTmdbYears(seasonCastPeople(parts), table)
                                  : needingTmdbYears(
                                        seasonCrewPeople(parts, m_choices.mapping, seasonCrew),
                                        table);
                   }},
        m_subject);
}

std::string CreditDocuments::cast(const PersonYears& years) const
{
    return std::visit(Overloaded{[&](const FilmSubject& film) {
                                     return buildCastInformation(film.title, castRowsOf(film.cast),
                                                                 yearsInOrder(film.cast, years),
                                                                 m_choices.people);
                                 },
                                 [&](const SeasonSubject& season) {
                                     return buildSeasonCastInformation(season.parts(), years,
                                                                       m_choices.people);
                                 }},
                      m_subject);
}

CrewDocument CreditDocuments::crew(const PersonYears& years) const
{
    return std::visit(
        Overloaded{[&](const FilmSubject& film) {
                       return buildCrewInformation(
                           film.title, crewRowsOf(film.crew), m_choices.mapping, m_choices.groups,
                           yearsInOrder(film.crew, years), m_choices.people);
                   },
                   [&](const SeasonSubject& season) {
                       return buildSeasonCrewInformation(
                           season.parts(), m_choices.mapping,
                           {m_choices.groups, m_choices.fullSeriesCrew}, years, m_choices.people);
                   }},
        m_subject);
}

} // namespace ravello::output
