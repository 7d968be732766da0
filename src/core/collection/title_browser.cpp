// SPDX-License-Identifier: MIT
#include "core/collection/title_browser.h"

#include <algorithm>

#include "core/collection/dvd_profiler_locations.h"
#include "core/collection/index_record.h"
#include "core/collection/tag_text.h"
#include "core/collection/title_list.h"

namespace ravello::collection {

TitleBrowser::TitleBrowser(std::filesystem::path dvdProfilerFolder)
    : m_dvdProfilerFolder(std::move(dvdProfilerFolder))
{}

IndexLoad TitleBrowser::loadTitleIndex(const std::filesystem::path& indexFile,
                                       std::string_view searchText)
{
    IndexLoad load;
    load.found = m_index.loadTitleIndex(indexFile);
    if (load.found)
        load.items = fillTitleList(m_index, searchText);
    load.largestCollectionNumber = m_index.largestCollectionNumber();
    if (m_shown)
        load.shownView = showTitle(m_shown->number, m_shown->occurrence);
    return load;
}

ListUpdate TitleBrowser::searchTextChanged(std::string_view searchText)
{
    ListUpdate update;
    update.hideView = m_resetFlag;
    update.items = fillTitleList(m_index, searchText);
    m_resetFlag = true;
    if (update.hideView)
        m_shown.reset();
    return update;
}

ListUpdate TitleBrowser::clearSearch()
{
    ListUpdate update = searchTextChanged({});
    update.hideView = true;
    m_shown.reset();
    return update;
}

TitleChoice TitleBrowser::chooseListItem(std::string_view listText)
{
    const ListKey key = listKeyOf(listText);
    TitleChoice choice;
    choice.collectionNumber = key.collectionNumber;
    choice.occurrence = key.occurrence;
    choice.occurrenceFieldsVisible = m_index.occurrences(key.collectionNumber) > 1;
    writeSearchText(choice, shownTitleOf(listText));
    // The "not found" item reads as number 0 and shows the not-found record.
    if (key.collectionNumber == 0 || inCollection(key.collectionNumber))
        choice.view = showTitle(key.collectionNumber, key.occurrence);
    remember(choice);
    return choice;
}

std::optional<TitleChoice> TitleBrowser::chooseNumber(int number)
{
    if (m_index.empty())
        return std::nullopt;
    TitleChoice choice = chooseFromSpinners(number, 1);
    choice.occurrenceMaximum = std::max(1, m_index.occurrences(number));
    return choice;
}

std::optional<TitleChoice> TitleBrowser::chooseOccurrence(int number, int occurrence)
{
    occurrence = std::clamp(occurrence, 1, std::max(1, m_index.occurrences(number)));
    if (m_index.empty())
        return std::nullopt;
    return chooseFromSpinners(number, occurrence);
}

TitleChoice TitleBrowser::chooseFromSpinners(int number, int occurrence)
{
    TitleChoice choice;
    choice.collectionNumber = number;
    choice.occurrence = occurrence;
    if (inCollection(number)) {
        choice.view = showTitle(number, occurrence);
        writeSearchText(choice, recordTitle(m_index.findIndexRecord(number, occurrence)));
    }
    remember(choice);
    return choice;
}

// A choice with a view is on show until the next choice or until the view is hidden.
void TitleBrowser::remember(const TitleChoice& choice)
{
    if (choice.view)
        m_shown = ShownTitle{choice.collectionNumber, choice.occurrence};
}

TitleView TitleBrowser::showTitle(int number, int occurrence) const
{
    const std::string record = m_index.findIndexRecord(number, occurrence);
    TitleView view;
    view.coverFile = coverFileOf(m_dvdProfilerFolder, recordProfileId(record));
    view.title = recordTitle(record);
    if (std::string original = recordOriginalTitle(record); !original.empty())
        view.originalTitle = std::move(original);
    view.productionYear = recordProductionYear(record);
    view.runningTime = std::to_string(recordRunningTime(record));
    view.overview = recordOverview(record);
    stripEscapedTags(view.overview);
    return view;
}

// Any number from 1 to the largest one is looked up, gaps in the numbering included.
bool TitleBrowser::inCollection(int number) const
{
    return number >= 1 && number <= m_index.largestCollectionNumber();
}

// A choice writes the search box, and that write refills the combo with the titles holding
// the chosen one; the shown title stays until the next change of the search box.
void TitleBrowser::writeSearchText(TitleChoice& choice, std::string text)
{
    m_resetFlag = false;
    choice.list = searchTextChanged(text);
    choice.searchText = std::move(text);
}

} // namespace ravello::collection
