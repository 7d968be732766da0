// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ravello::app {

// The search panel above the program page (PAN_PannelloRicerca): the search box, the titles of
// the user's collection, the collection-number spinners with the buttons to the previous and
// next profile, and the search and reset buttons.
class SearchPanel : public QFrame
{
public:
    explicit SearchPanel(QWidget* parent);

    QLineEdit* searchEdit() const { return m_searchEdit; }             // EDT_CercaManuale
    QComboBox* titleCombo() const { return m_titleCombo; }             // CBB_TitoliDVDP
    QSpinBox* numberSpin() const { return m_numberSpin; }              // SPN_Numero
    QSpinBox* occurrenceSpin() const { return m_occurrenceSpin; }      // SPN_Numero1
    QPushButton* searchButton() const { return m_searchButton; }       // BTN_Cerca
    QPushButton* resetButton() const { return m_resetButton; }         // BTN_Azzera
    QCheckBox* seriesBox() const { return m_seriesBox; }               // CHB_Serie
    QPushButton* previousProfile() const { return m_previousProfile; } // BTN_Precedente
    QPushButton* nextProfile() const { return m_nextProfile; }         // BTN_Successivo

private:
    QLineEdit* m_searchEdit = nullptr;
    QComboBox* m_titleCombo = nullptr;
    QSpinBox* m_numberSpin = nullptr;
    QSpinBox* m_occurrenceSpin = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_resetButton = nullptr;
    QCheckBox* m_seriesBox = nullptr;
    QPushButton* m_previousProfile = nullptr;
    QPushButton* m_nextProfile = nullptr;
};

} // namespace ravello::app
