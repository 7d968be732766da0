// SPDX-License-Identifier: MIT
#include "app/pages/search_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "app/pages/widget_factory.h"

namespace ravello::app {

SearchPanel::SearchPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PAN_PannelloRicerca"));
    auto* grid = new QGridLayout(this);
    m_searchEdit = makeWidget<QLineEdit>(this, "EDT_CercaManuale");
    m_titleCombo = makeWidget<QComboBox>(this, "CBB_TitoliDVDP");
    m_titleCombo->setMaxVisibleItems(20);
    // A long title must not widen the window: the box keeps a modest width and its list
    // opens as wide as the window allows.
    m_titleCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_titleCombo->setMinimumContentsLength(24);
    m_numberSpin = makeWidget<QSpinBox>(this, "SPN_Numero");
    m_numberSpin->setRange(0, 0);
    m_occurrenceSpin = makeHiddenWidget<QSpinBox>(this, "SPN_Numero1");
    m_occurrenceSpin->setRange(1, 1);
    const std::pair<const char*, QWidget*> rows[] = {
        {"LBL_Cerca1", m_searchEdit}, {"LBL_Cerca2", m_titleCombo}, {"LBL_Cerca3", m_numberSpin}};
    for (int row = 0; row < 3; ++row) {
        auto* label = makeWidget<QLabel>(this, rows[row].first);
        label->setBuddy(rows[row].second);
        grid->addWidget(label, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->addWidget(m_occurrenceSpin, 2, 2);
    // Beside the collection number, below the search and reset buttons.
    auto* steps = new QHBoxLayout;
    steps->setContentsMargins(0, 0, 0, 0);
    m_previousProfile = makeWidget<QPushButton>(this, "BTN_Precedente");
    m_nextProfile = makeWidget<QPushButton>(this, "BTN_Successivo");
    steps->addWidget(m_previousProfile);
    steps->addWidget(m_nextProfile);
    steps->addStretch(1);
    grid->addLayout(steps, 3, 1);
    m_searchButton = makeWidget<QPushButton>(this, "BTN_Cerca");
    grid->addWidget(m_searchButton, 0, 2);
    // Ticked, the search asks for TV shows instead of films.
    m_seriesBox = makeWidget<QCheckBox>(this, "CHB_Serie");
    grid->addWidget(m_seriesBox, 3, 2);
    m_resetButton = makeWidget<QPushButton>(this, "BTN_Azzera");
    grid->addWidget(m_resetButton, 1, 2);
    grid->setColumnStretch(1, 1);
}

} // namespace ravello::app
