// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/collection/title_index.h"

// What the title browsing controls show: the search box filters the title combo, a choice in
// the combo or with the collection-number spinners shows one title. The window only shows
// what these answers say and forwards its control texts; it writes the search box and the
// spinners without running their handlers again (every answer already holds their effect).
namespace ravello::collection {

// The DVD Profiler view of one title.
struct TitleView
{
    std::optional<std::filesystem::path> coverFile; // nothing: show the not-found picture
    std::string title;                              // EDT_TitoloDVD
    std::optional<std::string> originalTitle;       // EDT_TitoloOriDVD; nothing: it keeps its text
    std::string productionYear;                     // EDT_AnnoDVD, four digits as stored
    std::string runningTime;                        // EDT_DurataDVD, "0095" as "95"
    std::string overview;                           // EDT_SinossiDVD, one line, italic tags removed
};

// The title combo after the search box changed.
struct ListUpdate
{
    // Hide the six view controls and show 0 in LBL_NumCollectionDVDP and EDT_IDDVDP.
    bool hideView = false;
    std::vector<std::string> items; // the combo's items; its text is the first one, or empty
};

// A title chosen in the combo or with a spinner. The six view controls are shown in any case.
struct TitleChoice
{
    int collectionNumber = 0; // LBL_NumCollectionDVDP and EDT_IDDVDP
    int occurrence = 1;       // the occurrence shown (SPN_Numero1's value after clamping)
    // Combo choices only: EDT_IDDVDP1 and LBL_NumCollectionDVDP1 show the occurrence;
    // LBL_IDDVDP1 and EDT_IDDVDP1 are visible when several profiles share the number.
    std::optional<bool> occurrenceFieldsVisible;
    // SPN_Numero choices only: SPN_Numero1 gets value 1, range 1..occurrenceMaximum, and is
    // visible when occurrenceMaximum is 2 or more.
    std::optional<int> occurrenceMaximum;
    std::optional<std::string> searchText; // the new text of EDT_CercaManuale
    ListUpdate list;                       // the combo refilled for that text
    std::optional<TitleView> view;         // nothing when the number lies outside the collection
};

// What the window shows after loading the index file.
struct IndexLoad
{
    bool found = false; // false: one "DVDProfiler database not found" item instead of items
    std::vector<std::string> items;
    int largestCollectionNumber = 0; // SPN_Numero's maximum (its minimum is 1)
    // The title on show, read again from the loaded index so that a re-import shows its new
    // fields; nothing when no title is shown.
    std::optional<TitleView> shownView;
};

class TitleBrowser
{
public:
    // `dvdProfilerFolder` is where the covers are, as it was when the window was built.
    explicit TitleBrowser(std::filesystem::path dvdProfilerFolder);

    const TitleIndex& index() const { return m_index; }
    TitleIndex& index() { return m_index; }

    // Loads the index file and fills the combo for the search box text. A missing file
    // keeps the titles held before. The title on show stays the one shown.
    IndexLoad loadTitleIndex(const std::filesystem::path& indexFile, std::string_view searchText);

    // Any change of the search box text, typed or set by the window.
    ListUpdate searchTextChanged(std::string_view searchText);
    // BTN_Azzera: the search box becomes empty, the view is hidden, every title listed.
    ListUpdate clearSearch();

    // A pick in the title combo; `listText` is the combo's text.
    TitleChoice chooseListItem(std::string_view listText);
    // SPN_Numero changed to `number`. Nothing when the index holds no record.
    std::optional<TitleChoice> chooseNumber(int number);
    // SPN_Numero1 changed to `occurrence` while SPN_Numero shows `number`; the occurrence is
    // first clamped into 1..the number's count. Nothing when the index holds no record.
    std::optional<TitleChoice> chooseOccurrence(int number, int occurrence);

    // The view of record (number, occurrence); the not-found record's when there is none.
    TitleView showTitle(int number, int occurrence) const;

private:
    bool inCollection(int number) const;
    void writeSearchText(TitleChoice& choice, std::string text);
    TitleChoice chooseFromSpinners(int number, int occurrence);
    void remember(const TitleChoice& choice);

    TitleIndex m_index;
    std::filesystem::path m_dvdProfilerFolder;
    bool m_resetFlag = false; // a change of the search box hides the shown title
    struct ShownTitle
    {
        int number;
        int occurrence;
    };
    std::optional<ShownTitle> m_shown; // the title the view shows, if it shows one
};

} // namespace ravello::collection
