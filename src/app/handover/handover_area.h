// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QObject>

#include "app/handover/birth_year_lookup.h"
#include "core/settings/settings.h"

class QImage;

namespace ravello::collection {
class PeopleTable;
} // namespace ravello::collection

namespace ravello::output {
class CreditDocuments;
struct CrewDocument;
enum class DocumentKind;
struct LoadedCrewMapping;
class PhotoCache;
} // namespace ravello::output

namespace ravello::tmdb {
class PersonCache;
struct ShownFilm;
} // namespace ravello::tmdb

namespace ravello::files {
class ProgramFolders;
} // namespace ravello::files

namespace ravello::app {

class FilmPages;
class InterfaceLanguage;
class SearchArea;
class TmdbWait;
class WindowMessages;

// Handing the shown film or season to DVD Profiler through the clipboard: the cast and crew
// documents (with birth years when the box asks for them, through the crew mapping in effect;
// a season's with a divider before each episode), a person's photo, and any single data field
// with a click.
class HandoverArea : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        const files::ProgramFolders& folders;
        output::PhotoCache& photos;
        tmdb::PersonCache& people;
        const output::LoadedCrewMapping& crewMapping;
        // The collection's people, whom the documents name as the collection does.
        const collection::PeopleTable& peopleTable;
    };
    HandoverArea(FilmPages& film, Services services, const SearchArea& search,
                 const InterfaceLanguage& language, const WindowMessages& messages, TmdbWait& wait);

    // Whether the copies carry birth years, kept on Exit.
    void load(const settings::Settings& stored);
    void save(settings::Settings& current) const;
    // When the user's crew mapping file does not read, the status line says why.
    void showCrewMappingProblem() const;

public slots:
    void CopyClick();
    void Button1Click();
    void LST_CastMDB2DblClick();
    void LST_CrewMDB2DblClick();
    void BTN_CopiaPhotoClick();
    void BTN_CopiaPhoto2Click();
    void EDT_TitoloMDBClick(QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void showPersonPhoto(bool crew);
    static void copyPhoto(const QImage& photo);
    // The documents of the film or season shown, with the choices the pages hold.
    output::CreditDocuments shownDocuments() const;
    // The birth years the document asks of TMDb when the box asks for them (no years when
    // not); nothing when the user cancelled the lookup.
    std::optional<BirthYearLookup::Years> birthYearsOf(const output::CreditDocuments& documents,
                                                       output::DocumentKind kind);
    // The status line about people whose birth year could not be had; empty when none.
    QString missingYearsText(const BirthYearLookup::Years& found) const;
    void showCrewReport(const output::CrewDocument& document, const QString& missingYears) const;
    const tmdb::ShownFilm& shownFilm() const;
    // The episodes handed over for a disc profile, kept for it so that its neighbours follow on.
    void recordDiscCopy() const;

    FilmPages& m_film;
    Services m_services;
    const SearchArea& m_search;
    const InterfaceLanguage& m_language;
    const WindowMessages& m_messages;
    TmdbWait& m_wait;
    BirthYearLookup m_birthYears;
};

} // namespace ravello::app
