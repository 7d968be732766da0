// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace ravello::app {

// The controls of one column of the data page: the film as TMDb has it, or the title as the
// user's collection has it.
struct FilmFields
{
    QFrame* panel = nullptr;
    QLabel* cover = nullptr;
    QLineEdit* title = nullptr;
    QLineEdit* originalTitle = nullptr;
    QLineEdit* year = nullptr;
    QLineEdit* runningTime = nullptr;
    QLineEdit* id = nullptr;
    QPlainTextEdit* overview = nullptr;
};

// The second film page (Pag_Dati): TMDb's data (PAN_DatiMDB) beside DVD Profiler's
// (PAN_DatiDVD), which shows only while a title of the collection does.
class DataPage : public QWidget
{
public:
    DataPage();

    const FilmFields& tmdb() const { return m_tmdb; }
    const FilmFields& dvd() const { return m_dvd; }
    QLabel* occurrenceCaption() const { return m_occurrenceCaption; } // LBL_IDDVDP1
    QLineEdit* occurrence() const { return m_occurrence; }            // EDT_IDDVDP1

    // TMDb's fields whose click copies their whole text: not the identifier.
    QList<QWidget*> copiedFields() const;

    void setTitleViewVisible(bool visible);

private:
    FilmFields m_tmdb;
    FilmFields m_dvd;
    QLabel* m_occurrenceCaption = nullptr;
    QLineEdit* m_occurrence = nullptr;
};

} // namespace ravello::app
