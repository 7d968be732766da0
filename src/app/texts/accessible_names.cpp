// SPDX-License-Identifier: MIT
#include "app/texts/accessible_names.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "app/pages/named_controls.h"
#include "app/texts/interface_translations.h"

namespace ravello::app {
namespace {

// Controls whose name no label gives: buttons that share a caption, pictures, panels, the
// page sets and the status bar. Where a control also has a label, the row's name wins.
constexpr AccessibleNameRow kAccessibleNames[] = {
    {"Copy", "Copia cast", "Copy cast"},
    {"Button1", "Copia staff", "Copy crew"},
    {"BTN_CopiaPhoto", "Copia foto", "Copy photo"},
    {"BTN_CopiaPhoto2", "Copia foto", "Copy photo"},
    {"BTN_Cerca1", "Cerca l'archivio di appoggio", "Browse for the export file"},
    {"BTN_Cerca2", "Cerca la cartella di DVD Profiler", "Browse for the DVD Profiler folder"},
    {"LST_CastMDB2", "Cast con foto", "Cast with photos"},
    {"LST_CrewMDB2", "Staff con foto", "Crew with photos"},
    {"IMG_Cast", "Foto del membro del cast", "Cast member's photo"},
    {"IMG_Crew", "Foto del membro dello staff", "Crew member's photo"},
    {"IMG_CoverMDB1", "Cover del film", "Film cover"},
    {"IMG_CoverDVD1", "Cover DVD Profiler", "DVD Profiler cover"},
    {"Image1", "Ravello", "Ravello"},
    {"MEM_API", "Istruzioni per la chiave TMDb", "TMDb key instructions"},
    {"PAN_Menu", "Menu", "Menu"},
    {"PAN_PannelloRicerca", "Ricerca", "Search"},
    {"PAN_PannelloTitoliTrovati", "Titoli trovati su The Movie Database",
     "Titles found on The Movie Database"},
    {"Panel1", "Film", "Film"},
    {"PAN_DatiMDB", "Dati recuperati da The Movie Database", "Data from The Movie Database"},
    {"Pagine", "Pagine", "Pages"},
    {"PAG_Pagine", "Pagine del film", "Film pages"},
    {"CONF_Pagine", "Impostazioni", "Settings"},
    {"STB_Status", "Stato", "Status"},
    {"PRB_Importazione", "Avanzamento dell'importazione", "Import progress"},
};

// A combo box or spin box is typed into through an inner line edit, which tools see as a
// control of its own: it carries the same name.
void nameControl(QWidget& control, const QString& name)
{
    control.setAccessibleName(name);
    if (qobject_cast<QComboBox*>(&control) || qobject_cast<QAbstractSpinBox*>(&control)) {
        if (auto* edit = control.findChild<QLineEdit*>())
            edit->setAccessibleName(name);
    }
}

} // namespace

const char* accessibleName(const AccessibleNameRow& row, int languageIndex)
{
    return localizedText(row.italian, row.english, languageIndex);
}

std::span<const AccessibleNameRow> accessibleNameRows()
{
    return kAccessibleNames;
}

QString withoutMnemonics(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('&') && at + 1 < text.size())
            ++at;
        plain += text[at];
    }
    return plain;
}

void applyAccessibleNames(const QWidget& window, const NamedControls& controls, int languageIndex)
{
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QString text = withoutMnemonics(label->text()).trimmed();
        if (label->buddy() && !text.isEmpty())
            nameControl(*label->buddy(), text);
    }
    for (const AccessibleNameRow& row : kAccessibleNames) {
        if (QWidget* control = controls.control(row.control)) {
            nameControl(*control, QString::fromUtf8(accessibleName(row, languageIndex)));
        }
    }
}

} // namespace ravello::app
