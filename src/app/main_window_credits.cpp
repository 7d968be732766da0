// SPDX-License-Identifier: MIT
// What the credit documents need beyond the rows: the birth years of their people, the crew
// mapping in effect, and the status lines that tell how a copy went.
#include <QCheckBox>
#include <QStatusBar>

#include "app/birth_year_lookup.h"
#include "app/cast_page.h"
#include "app/film_pages.h"
#include "app/main_window.h"
#include "app/text_conversion.h"
#include "core/files/path_text.h"
#include "core/output/crew_information.h"
#include "core/output/crew_mapping_file.h"

namespace output = ravello::output;

void TForm1::loadCrewMapping()
{
    m_crewMapping = std::make_unique<output::LoadedCrewMapping>(
        output::loadCrewMapping(m_folders.crewMappingFile()));
    m_birthYears = std::make_unique<ravello::app::BirthYearLookup>(m_folders);
}

void TForm1::showCrewMappingProblem()
{
    const auto& error = m_crewMapping->error;
    if (!error)
        return;
    setStatusText(
        message("MSG_MappaturaStaffErrata")
            .arg(QString::fromStdString(ravello::files::utf8FromPath(m_folders.crewMappingFile())),
                 QString::number(error->line), QString::fromStdString(error->message)));
}

std::optional<ravello::app::BirthYearLookup::Years>
TForm1::birthYearsOf(output::PhotoList list, const std::vector<std::string>& photoRows)
{
    if (!m_filmPages->cast()->birthYearsBox()->isChecked())
        return ravello::app::BirthYearLookup::Years{};
    return m_birthYears->yearsOf(currentEndpoint(), list, photoRows, *m_wait,
                                 message("MSG_AnniNascita"));
}

QString TForm1::missingYearsText(const ravello::app::BirthYearLookup::Years& found) const
{
    return found.failed == 0
               ? QString()
               : message("MSG_AnniNascitaMancanti").arg(static_cast<qulonglong>(found.failed));
}

void TForm1::showCrewReport(const output::CrewDocument& document, const QString& missingYears)
{
    const QString report = message("MSG_RapportoStaff")
                               .arg(static_cast<qulonglong>(document.included))
                               .arg(static_cast<qulonglong>(document.leftOut));
    // A line about missing birth years stays in front of the report.
    setStatusText(missingYears.isEmpty() ? report : missingYears + QStringLiteral(" - ") + report);
    QStringList pairs;
    for (const output::CreditPair& pair : document.leftOutPairs) {
        pairs << ravello::app::fromWindows1252(pair.department) + QStringLiteral(" / ") +
                     ravello::app::fromWindows1252(pair.job);
    }
    statusBar()->setToolTip(pairs.isEmpty() ? QString()
                                            : message("MSG_EsclusiStaff") + QLatin1Char('\n') +
                                                  pairs.join(QLatin1Char('\n')));
}
