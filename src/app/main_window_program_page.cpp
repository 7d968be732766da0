// SPDX-License-Identifier: MIT
// The control tree of the program page: search panel, TMDb results, film pages.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/main_window.h"
#include "app/widget_factory.h"

using ravello::app::makeHiddenWidget;
using ravello::app::makeWidget;

namespace {

QLabel* makeImage(QWidget* parent, const char* name, QSize size)
{
    auto* image = makeWidget<QLabel>(parent, name);
    image->setMinimumSize(size);
    image->setAlignment(Qt::AlignCenter);
    return image;
}

QListWidget* makeList(QWidget* parent, const char* name)
{
    auto* list = makeWidget<QListWidget>(parent, name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

// A caption label above the widget it describes.
QWidget* captioned(QWidget* parent, const char* labelName, QWidget* content)
{
    auto* box = new QWidget(parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = makeWidget<QLabel>(box, labelName);
    label->setBuddy(content);
    layout->addWidget(label);
    layout->addWidget(content, 1);
    return box;
}

} // namespace

QWidget* TForm1::buildProgramPage()
{
    auto* page = makeWidget<QWidget>(nullptr, "Pag_Programma");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildSearchPanel(page));
    auto* split = new QSplitter(Qt::Horizontal, page);
    split->addWidget(buildFoundTitlesPanel(split));
    split->addWidget(buildFilmPages(split));
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    // The result titles are large: give them a third of the width to start with.
    split->setSizes({340, 680});
    layout->addWidget(split, 1);
    // Scratch buffers of earlier versions, kept invisible.
    makeHiddenWidget<QPlainTextEdit>(page, "Memo1");
    makeHiddenWidget<QPlainTextEdit>(page, "Memo2");
    return page;
}

QWidget* TForm1::buildSearchPanel(QWidget* page)
{
    auto* panel = makeWidget<QFrame>(page, "PAN_PannelloRicerca");
    auto* grid = new QGridLayout(panel);
    m_searchEdit = makeWidget<QLineEdit>(panel, "EDT_CercaManuale");
    m_titleCombo = makeWidget<QComboBox>(panel, "CBB_TitoliDVDP");
    m_titleCombo->setMaxVisibleItems(20);
    // A long title must not widen the window: the box keeps a modest width and its list
    // opens as wide as the window allows.
    m_titleCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_titleCombo->setMinimumContentsLength(24);
    m_numberSpin = makeWidget<QSpinBox>(panel, "SPN_Numero");
    m_numberSpin->setRange(0, 0);
    m_occurrenceSpin = makeHiddenWidget<QSpinBox>(panel, "SPN_Numero1");
    m_occurrenceSpin->setRange(1, 1);
    const std::pair<const char*, QWidget*> rows[] = {
        {"LBL_Cerca1", m_searchEdit}, {"LBL_Cerca2", m_titleCombo}, {"LBL_Cerca3", m_numberSpin}};
    for (int row = 0; row < 3; ++row) {
        auto* label = makeWidget<QLabel>(panel, rows[row].first);
        label->setBuddy(rows[row].second);
        grid->addWidget(label, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->addWidget(m_occurrenceSpin, 2, 2);
    grid->addWidget(makeWidget<QPushButton>(panel, "BTN_Cerca"), 0, 2);
    grid->addWidget(makeWidget<QPushButton>(panel, "BTN_Azzera"), 1, 2);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* TForm1::buildFoundTitlesPanel(QWidget* page)
{
    auto* panel = makeWidget<QFrame>(page, "PAN_PannelloTitoliTrovati");
    auto* layout = new QVBoxLayout(panel);
    auto* top = makeWidget<QFrame>(panel, "PAN_PannelloTitoliTrovatiTop");
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    auto* caption = makeWidget<QLabel>(top, "LBL_Cerca4");
    auto* dataFolder = makeWidget<QLabel>(top, "Label1");
    dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    topLayout->addWidget(caption);
    topLayout->addWidget(dataFolder);
    auto* found = makeList(panel, "ListaFilmTrovati");
    caption->setBuddy(found);
    layout->addWidget(top);
    layout->addWidget(found, 1);
    return panel;
}

QWidget* TForm1::buildFilmPages(QWidget* page)
{
    auto* panel = makeWidget<QFrame>(page, "Panel1");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    m_filmPages = makeWidget<QTabWidget>(panel, "PAG_Pagine");
    m_filmPages->addTab(buildCoverPage(), QString());
    m_filmPages->addTab(buildDataPage(), QString());
    m_filmPages->addTab(buildCastPage(), QString());
    QWidget* castPhotos = buildPhotoPage(
        {"Pag_Cast_Photo", "LBL_Cast2", "LST_CastMDB2", "IMG_Cast", "BTN_CopiaPhoto"});
    // The marker drawn beside people who have a photo.
    makeHiddenWidget<QLabel>(castPhotos, "IMG_Attore")
        ->setPixmap(QPixmap(QStringLiteral(":/pictures/photo_marker.png")));
    m_filmPages->addTab(castPhotos, QStringLiteral("Cast Photo"));
    QWidget* crewPhotos = buildPhotoPage(
        {"PAG_Crew_Photo", "LBL_Crew2", "LST_CrewMDB2", "IMG_Crew", "BTN_CopiaPhoto2"});
    // The interface texts caption every label but this one; it reads as the crew list's does.
    crewPhotos->findChild<QLabel*>(QStringLiteral("LBL_Crew2"))->setText(QStringLiteral("Staff:"));
    m_filmPages->addTab(crewPhotos, QStringLiteral("Crew Photo"));
    layout->addWidget(m_filmPages);
    return panel;
}

QWidget* TForm1::buildCoverPage()
{
    auto* page = makeWidget<QWidget>(nullptr, "Pag_Cover");
    auto* layout = new QHBoxLayout(page);
    auto* tmdbCover = makeImage(page, "IMG_CoverMDB", {300, 450});
    layout->addWidget(captioned(page, "LBL_CoverMDB", tmdbCover), 1);
    auto* dvdCover = makeImage(page, "IMG_CoverDVD", {300, 450});
    auto* dvdCaption = captioned(page, "LBL_CoverDVD", dvdCover);
    dvdCaption->setVisible(false);
    layout->addWidget(dvdCaption, 1);
    // The collection number sits below DVD Profiler's cover and shows with it.
    auto* number = new QHBoxLayout;
    for (const char* hidden : {"LBL_NumColl", "LBL_NumCollectionDVDP", "LBL_NumCollectionDVDP1"})
        number->addWidget(makeHiddenWidget<QLabel>(dvdCaption, hidden));
    number->addStretch(1);
    qobject_cast<QVBoxLayout*>(dvdCaption->layout())->addLayout(number);
    return page;
}

QWidget* TForm1::buildDataPage()
{
    auto* page = makeWidget<QWidget>(nullptr, "Pag_Dati");
    auto* layout = new QHBoxLayout(page);
    struct DataPanel
    {
        const char* panel;
        const char* heading;
        const char* cover;
        const char* fields[5][2];
        const char* overview[2];
        const char* extraHidden[2];
    };
    const DataPanel panels[] = {
        {"PAN_DatiMDB",
         "LBL_MDB",
         "IMG_CoverMDB1",
         {{"LBL_TitoloMDB", "EDT_TitoloMDB"},
          {"LBL_TitoloOriMDB", "EDT_TitoloOriMDB"},
          {"LBL_AnnoMDB", "EDT_AnnoMDB"},
          {"LBL_DurataMDB", "EDT_DurataMDB"},
          {"LBL_IDMDB", "EDT_IDMDB"}},
         {"LBL_SinossiMDB", "EDT_SinossiMDB"},
         {nullptr, nullptr}},
        {"PAN_DatiDVD",
         "LBL_DVD",
         "IMG_CoverDVD1",
         {{nullptr, "EDT_TitoloDVD"},
          {nullptr, "EDT_TitoloOriDVD"},
          {nullptr, "EDT_AnnoDVD"},
          {"LBL_DurataDVD", "EDT_DurataDVD"},
          {"LBL_IDDVDP", "EDT_IDDVDP"}},
         {nullptr, "EDT_SinossiDVD"},
         {"LBL_IDDVDP1", "EDT_IDDVDP1"}},
    };
    for (const DataPanel& names : panels) {
        auto* panel = makeWidget<QFrame>(page, names.panel);
        auto* grid = new QGridLayout(panel);
        grid->addWidget(makeWidget<QLabel>(panel, names.heading), 0, 0, 1, 3);
        for (int row = 0; row < 5; ++row) {
            auto* edit = makeWidget<QLineEdit>(panel, names.fields[row][1]);
            if (names.fields[row][0]) {
                auto* label = makeWidget<QLabel>(panel, names.fields[row][0]);
                label->setBuddy(edit);
                grid->addWidget(label, row + 1, 0);
            }
            grid->addWidget(edit, row + 1, 1);
        }
        auto* overview = makeWidget<QPlainTextEdit>(panel, names.overview[1]);
        if (names.overview[0]) {
            auto* label = makeWidget<QLabel>(panel, names.overview[0]);
            label->setBuddy(overview);
            grid->addWidget(label, 6, 0, Qt::AlignTop);
        }
        grid->addWidget(overview, 6, 1, 1, 2);
        grid->addWidget(makeImage(panel, names.cover, {120, 180}), 1, 2, 5, 1);
        grid->setRowStretch(6, 1);
        grid->setColumnStretch(1, 1);
        if (names.extraHidden[0]) {
            makeHiddenWidget<QLabel>(panel, names.extraHidden[0]);
            makeHiddenWidget<QLineEdit>(panel, names.extraHidden[1]);
        }
        layout->addWidget(panel, 1);
    }
    page->findChild<QWidget*>(QStringLiteral("PAN_DatiDVD"))->setVisible(false);
    page->findChild<QLabel*>(QStringLiteral("LBL_IDMDB"))->setText(QStringLiteral("TMDb ID"));
    return page;
}

QWidget* TForm1::buildCastPage()
{
    auto* page = makeWidget<QWidget>(nullptr, "Pag_Cast");
    auto* grid = new QGridLayout(page);
    const std::pair<const char*, const char*> lists[] = {{"LBL_Cast", "LST_CastMDB"},
                                                         {"LBL_Crew", "LST_CrewMDB"}};
    const char* copyButtons[] = {"Copy", "Button1"};
    for (int column = 0; column < 2; ++column) {
        QListWidget* list = makeList(page, lists[column].second);
        grid->addWidget(captioned(page, lists[column].first, list), 0, column);
        auto* copy = makeWidget<QPushButton>(page, copyButtons[column]);
        copy->setText(QStringLiteral("Copy"));
        grid->addWidget(copy, 1, column, Qt::AlignLeft);
    }
    auto* groups = new QWidget(page);
    auto* groupsLayout = new QHBoxLayout(groups);
    groupsLayout->addWidget(makeWidget<QLabel>(groups, "LBL_CastDesc"));
    for (const char* name : {"CBO_Sound", "CBO_Arte", "CBO_Fotografia", "CBO_Altro"}) {
        auto* box = makeWidget<QCheckBox>(groups, name);
        box->setChecked(true);
        groupsLayout->addWidget(box);
    }
    groupsLayout->addStretch(1);
    grid->addWidget(groups, 2, 0, 1, 2);
    grid->setRowStretch(0, 1);
    return page;
}

QWidget* TForm1::buildPhotoPage(const PhotoPageNames& names)
{
    auto* page = makeWidget<QWidget>(nullptr, names.page);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(captioned(page, names.label, makeList(page, names.list)), 2);
    auto* photoColumn = new QVBoxLayout;
    photoColumn->addWidget(makeImage(page, names.image, {200, 300}), 1);
    auto* copy = makeWidget<QPushButton>(page, names.copyButton);
    copy->setText(QStringLiteral("Copy"));
    photoColumn->addWidget(copy);
    layout->addLayout(photoColumn, 1);
    return page;
}
