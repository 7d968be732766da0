// SPDX-License-Identifier: MIT
#include "app/pages/program_page.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/look/selected_row_delegate.h"
#include "app/pages/film_pages.h"
#include "app/pages/search_panel.h"
#include "app/pages/widget_factory.h"

namespace ravello::app {

ProgramPage::ProgramPage()
{
    setObjectName(QStringLiteral("Pag_Programma"));
    auto* layout = new QVBoxLayout(this);
    m_search = new SearchPanel(this);
    layout->addWidget(m_search);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(buildResultsPanel(split));
    m_film = new FilmPages(split);
    split->addWidget(m_film);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);
    // The result titles are large: give them a third of the width to start with.
    split->setSizes({340, 680});
    layout->addWidget(split, 1);
    // Scratch buffers of earlier versions, kept invisible.
    makeHiddenWidget<QPlainTextEdit>(this, "Memo1");
    makeHiddenWidget<QPlainTextEdit>(this, "Memo2");
}

QWidget* ProgramPage::buildResultsPanel(QWidget* parent)
{
    auto* panel = makeWidget<QFrame>(parent, "PAN_PannelloTitoliTrovati");
    auto* layout = new QVBoxLayout(panel);
    auto* top = makeWidget<QFrame>(panel, "PAN_PannelloTitoliTrovatiTop");
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    auto* caption = makeWidget<QLabel>(top, "LBL_Cerca4");
    // The data folder's path is of use only to whoever looks for it: it is the tooltip of the
    // results' caption, and the label that showed it on every start stays hidden.
    m_dataFolder = makeHiddenWidget<QLabel>(top, "Label1");
    m_dataFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    topLayout->addWidget(caption);
    topLayout->addWidget(m_dataFolder);
    m_results = makeList(panel, "ListaFilmTrovati");
    m_results->setItemDelegate(new SelectedRowDelegate(m_results));
    caption->setBuddy(m_results);
    layout->addWidget(top);
    layout->addWidget(m_results, 1);
    return panel;
}

} // namespace ravello::app
