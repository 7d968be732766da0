// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;

namespace ravello::app {

// The first film page (Pag_Cover): TMDb's cover beside DVD Profiler's, with the collection
// number below the latter. DVD Profiler's half shows only while a title of the collection does.
class CoverPage : public QWidget
{
public:
    CoverPage();

    QLabel* tmdbCover() const { return m_tmdbCover; }               // IMG_CoverMDB
    QLabel* dvdCover() const { return m_dvdCover; }                 // IMG_CoverDVD
    QLabel* collectionNumber() const { return m_collectionNumber; } // LBL_NumCollectionDVDP
    QLabel* occurrence() const { return m_occurrence; }             // LBL_NumCollectionDVDP1

    void setTitleViewVisible(bool visible);

private:
    QLabel* m_tmdbCover = nullptr;
    QLabel* m_dvdCover = nullptr;
    QWidget* m_dvdBox = nullptr; // DVD Profiler's cover with its caption and number
    QLabel* m_dvdCaption = nullptr;
    QLabel* m_numberCaption = nullptr;
    QLabel* m_collectionNumber = nullptr;
    QLabel* m_occurrence = nullptr;
};

} // namespace ravello::app
