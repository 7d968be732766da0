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
    statusBar()->showMessage(
        message("MSG_MappaturaStaffErrata")
            .replace(QLatin1String("%1"), QString::fromStdString(ravello::files::utf8FromPath(
                                              m_folders.crewMappingFile())))
            .replace(QLatin1String("%2"), QString::number(error->line))
            .replace(QLatin1String("%3"), QString::fromStdString(error->message)));
}

std::optional<std::vector<int>> TForm1::birthYearsOf(output::PhotoList list,
                                                     const std::vector<std::string>& photoRows)
{
    if (!m_filmPages->cast()->birthYearsBox()->isChecked())
        return std::vector<int>{};
    auto found = m_birthYears->yearsOf(currentEndpoint(), list, photoRows, *m_wait,
                                       message("MSG_AnniNascita"));
    if (!found) {
        statusBar()->clearMessage();
        return std::nullopt;
    }
    if (found->failed > 0)
        statusBar()->showMessage(message("MSG_AnniNascitaMancanti")
                                     .replace(QLatin1String("%1"), QString::number(found->failed)));
    else
        statusBar()->clearMessage();
    return std::move(found->years);
}

void TForm1::showCrewReport(const output::CrewDocument& document)
{
    QString report = message("MSG_RapportoStaff")
                         .replace(QLatin1String("%1"), QString::number(document.included))
                         .replace(QLatin1String("%2"), QString::number(document.leftOut));
    // A line about missing birth years stays in front of the report.
    const QString before = statusBar()->currentMessage();
    if (!before.isEmpty())
        report = before + QStringLiteral(" - ") + report;
    statusBar()->showMessage(report);
    QStringList pairs;
    for (const output::CreditPair& pair : document.leftOutPairs) {
        pairs << ravello::app::fromWindows1252(pair.department) + QStringLiteral(" / ") +
                     ravello::app::fromWindows1252(pair.job);
    }
    statusBar()->setToolTip(pairs.isEmpty() ? QString()
                                            : message("MSG_EsclusiStaff") + QLatin1Char('\n') +
                                                  pairs.join(QLatin1Char('\n')));
}
