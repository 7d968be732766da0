// SPDX-License-Identifier: MIT
#include "app/pages/data_page.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/pages/widget_factory.h"

namespace ravello::app {
namespace {

constexpr int kFieldRows = 5;
constexpr QLineEdit* FilmFields::*kFieldEdits[kFieldRows] = {
    &FilmFields::title, &FilmFields::originalTitle, &FilmFields::year, &FilmFields::runningTime,
    &FilmFields::id};

// A field's label and edit; a null label is a field without a caption. The interface texts
// caption every label but those given a fixed text here.
struct FieldNames
{
    const char* label;
    const char* edit;
    const char* fixedCaption = nullptr;
};

struct ColumnNames
{
    const char* panel;
    const char* heading;
    const char* cover;
    FieldNames fields[kFieldRows];
    FieldNames overview;
};

constexpr ColumnNames kTmdbColumn = {"PAN_DatiMDB",
                                     "LBL_MDB",
                                     "IMG_CoverMDB1",
                                     {{"LBL_TitoloMDB", "EDT_TitoloMDB"},
                                      {"LBL_TitoloOriMDB", "EDT_TitoloOriMDB"},
                                      {"LBL_AnnoMDB", "EDT_AnnoMDB"},
                                      {"LBL_DurataMDB", "EDT_DurataMDB"},
                                      {"LBL_IDMDB", "EDT_IDMDB", "TMDb ID"}},
                                     {"LBL_SinossiMDB", "EDT_SinossiMDB"}};
constexpr ColumnNames kDvdColumn = {"PAN_DatiDVD",
                                    "LBL_DVD",
                                    "IMG_CoverDVD1",
                                    {{nullptr, "EDT_TitoloDVD"},
                                     {nullptr, "EDT_TitoloOriDVD"},
                                     {nullptr, "EDT_AnnoDVD"},
                                     {"LBL_DurataDVD", "EDT_DurataDVD"},
                                     {"LBL_IDDVDP", "EDT_IDDVDP"}},
                                    {nullptr, "EDT_SinossiDVD"}};

QLabel* addCaption(QWidget* panel, const FieldNames& names, QWidget* control)
{
    if (!names.label)
        return nullptr;
    auto* label = makeWidget<QLabel>(panel, names.label);
    label->setBuddy(control);
    if (names.fixedCaption)
        label->setText(QLatin1String(names.fixedCaption));
    return label;
}

FilmFields buildColumn(QWidget* page, const ColumnNames& names)
{
    FilmFields fields;
    fields.panel = makeWidget<QFrame>(page, names.panel);
    auto* grid = new QGridLayout(fields.panel);
    grid->addWidget(makeWidget<QLabel>(fields.panel, names.heading), 0, 0, 1, 3);
    for (int row = 0; row < kFieldRows; ++row) {
        auto* edit = makeWidget<QLineEdit>(fields.panel, names.fields[row].edit);
        fields.*kFieldEdits[row] = edit;
        if (QLabel* label = addCaption(fields.panel, names.fields[row], edit))
            grid->addWidget(label, row + 1, 0);
        grid->addWidget(edit, row + 1, 1);
    }
    fields.overview = makeWidget<QPlainTextEdit>(fields.panel, names.overview.edit);
    if (QLabel* label = addCaption(fields.panel, names.overview, fields.overview))
        grid->addWidget(label, 6, 0, Qt::AlignTop);
    grid->addWidget(fields.overview, 6, 1, 1, 2);
    fields.cover = makeImage(fields.panel, names.cover, {120, 180});
    grid->addWidget(fields.cover, 1, 2, 5, 1);
    grid->setRowStretch(6, 1);
    grid->setColumnStretch(1, 1);
    return fields;
}

} // namespace

DataPage::DataPage()
{
    setObjectName(QStringLiteral("Pag_Dati"));
    auto* layout = new QHBoxLayout(this);
    m_tmdb = buildColumn(this, kTmdbColumn);
    layout->addWidget(m_tmdb.panel, 1);
    m_dvd = buildColumn(this, kDvdColumn);
    // Which of the profiles sharing the collection number is shown.
    m_occurrenceCaption = makeHiddenWidget<QLabel>(m_dvd.panel, "LBL_IDDVDP1");
    m_occurrence = makeHiddenWidget<QLineEdit>(m_dvd.panel, "EDT_IDDVDP1");
    layout->addWidget(m_dvd.panel, 1);
    m_dvd.panel->setVisible(false);
}

QList<QWidget*> DataPage::copiedFields() const
{
    return {m_tmdb.title, m_tmdb.originalTitle, m_tmdb.year, m_tmdb.runningTime, m_tmdb.overview};
}

void DataPage::setTitleViewVisible(bool visible)
{
    m_dvd.cover->setVisible(visible);
    m_dvd.panel->setVisible(visible);
}

} // namespace ravello::app
