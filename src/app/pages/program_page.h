// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace ravello::app {

class FilmPages;
class SearchPanel;

// The program page (Pag_Programma): the search panel across the top, below it TMDb's results
// (ListaFilmTrovati) beside the film's pages.
class ProgramPage : public QWidget
{
public:
    ProgramPage();

    SearchPanel* search() const { return m_search; }
    QListWidget* results() const { return m_results; }  // ListaFilmTrovati
    QLabel* dataFolder() const { return m_dataFolder; } // Label1: where the program keeps its data
    FilmPages* film() const { return m_film; }

private:
    QWidget* buildResultsPanel(QWidget* parent);

    SearchPanel* m_search = nullptr;
    QListWidget* m_results = nullptr;
    QLabel* m_dataFolder = nullptr;
    FilmPages* m_film = nullptr;
};

} // namespace ravello::app
