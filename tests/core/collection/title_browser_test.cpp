// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "core/collection/index_record.h"
#include "core/collection/title_browser.h"
#include "core/collection/title_list.h"
#include "tests/support/temporary_folder.h"

namespace ravello::collection {
namespace {

struct Title
{
    int number;
    int occurrence;
    std::string title;
    std::string originalTitle = "";
    int year = 1979;
    int runningTime = 95;
    std::string overview = "";
};

std::string recordOf(const Title& t)
{
    IndexRecord values;
    values.collectionNumber = t.number;
    values.occurrence = t.occurrence;
    values.profileId.append("P").append(std::to_string(t.number)).append(".");
    values.profileId.append(std::to_string(t.occurrence));
    values.title = t.title;
    values.originalTitle = t.originalTitle;
    values.productionYear = t.year;
    values.runningTime = t.runningTime;
    values.overview = t.overview;
    return formatIndexRecord(values);
}

class TitleBrowsing : public ::testing::Test
{
protected:
    void load(const std::vector<Title>& titles)
    {
        std::vector<std::string> records;
        for (const Title& t : titles)
            records.push_back(recordOf(t));
        m_browser.index().assign(std::move(records));
    }
    void loadNumbered(int count)
    {
        std::vector<Title> titles;
        for (int n = 1; n <= count; ++n)
            titles.push_back({n, 1, std::string("Film ").append(std::to_string(n))});
        load(titles);
    }

    TitleBrowser m_browser{"/dvdp"};
};

TEST_F(TitleBrowsing, FilterFindsTitlesByAnyPartOriginalTitleStartAndNumber)
{
    load({{1, 1, "Aliens"},
          {2, 1, "Il mio nome", "Alien Nation"},
          {12, 1, "Alien"},
          {13, 1, "Blade Runner"},
          {14, 1, "Nuovo", std::string(95, 'x') + "ALIEN"}});
    EXPECT_EQ(
        fillTitleList(m_browser.index(), "alien"),
        (std::vector<std::string>{"00001|001 Aliens", "00002|001 Il mio nome", "00012|001 Alien"}));
    EXPECT_EQ(fillTitleList(m_browser.index(), "00013"),
              (std::vector<std::string>{"00013|001 Blade Runner"}));
    EXPECT_EQ(fillTitleList(m_browser.index(), "zzz"), std::vector<std::string>{});
}

TEST_F(TitleBrowsing, FilterUpperCasesWindows1252Letters)
{
    load({{1, 1, "L'\xE9t\xE9"}, {2, 1, "Winter"}});
    EXPECT_EQ(fillTitleList(m_browser.index(), "\xC9T\xE9"),
              (std::vector<std::string>{"00001|001 L'\xE9t\xE9"}));
}

TEST_F(TitleBrowsing, ListHoldsAtMostTheFirst100Matches)
{
    loadNumbered(250);
    const std::vector<std::string> all = fillTitleList(m_browser.index(), "");
    ASSERT_EQ(all.size(), 100u);
    EXPECT_EQ(all.front(), "00001|001 Film 1");
    EXPECT_EQ(all.back(), "00100|001 Film 100");
    const std::vector<std::string> some = fillTitleList(m_browser.index(), "film 2");
    ASSERT_EQ(some.size(), 62u); // 2, 20-29, 200-250
    EXPECT_EQ(some[1], "00020|001 Film 20");
}

TEST_F(TitleBrowsing, ListTextKeepsNinetyNineCharactersOfTheTitle)
{
    load({{3, 2, std::string(100, 'T')}});
    EXPECT_EQ(listTextOf(m_browser.index().records()[0]), "00003|002 " + std::string(99, 'T'));
    EXPECT_EQ(shownTitleOf("00003|002 Alien"), "Alien");
    const ListKey key = listKeyOf("00003|002 Alien");
    EXPECT_EQ(key.collectionNumber, 3);
    EXPECT_EQ(key.occurrence, 2);
}

TEST_F(TitleBrowsing, SearchBoxChangeHidesTheTitleOnlyAfterAChoice)
{
    loadNumbered(5);
    EXPECT_FALSE(m_browser.searchTextChanged("f").hideView); // nothing chosen yet
    const TitleChoice choice = m_browser.chooseListItem("00003|001 Film 3");
    // The choice writes the title into the search box: that change keeps the view.
    EXPECT_FALSE(choice.list.hideView);
    EXPECT_EQ(choice.searchText, "Film 3");
    EXPECT_EQ(choice.list.items, (std::vector<std::string>{"00003|001 Film 3"}));
    // The user's next edit hides it.
    EXPECT_TRUE(m_browser.searchTextChanged("Film").hideView);
}

// A re-import loads the index again: the title on show is read anew, by its number and
// occurrence, while it is shown; once hidden there is nothing to show again.
TEST_F(TitleBrowsing, LoadingTheIndexAgainRereadsTheTitleOnShow)
{
    testing::TemporaryFolder folder;
    const std::filesystem::path indexFile = folder / "DatabaseDVDP.TXT";
    auto writeIndex = [&](const std::string& secondTitle) {
        testing::writeFileBytes(indexFile, recordOf({1, 1, "Film 1"}) + "\r\n" +
                                               recordOf({2, 1, "Film 2"}) + "\r\n" +
                                               recordOf({2, 2, secondTitle}) + "\r\n");
    };
    writeIndex("Before");
    EXPECT_FALSE(m_browser.loadTitleIndex(indexFile, "").shownView); // nothing chosen yet
    ASSERT_TRUE(m_browser.chooseNumber(2));
    ASSERT_TRUE(m_browser.chooseOccurrence(2, 2));
    writeIndex("After");
    const IndexLoad load = m_browser.loadTitleIndex(indexFile, "Before");
    ASSERT_TRUE(load.shownView);
    EXPECT_EQ(load.shownView->title, "After");

    m_browser.searchTextChanged("Film");
    EXPECT_FALSE(m_browser.loadTitleIndex(indexFile, "Film").shownView);
    m_browser.chooseListItem("00001|001 Film 1");
    m_browser.clearSearch();
    EXPECT_FALSE(m_browser.loadTitleIndex(indexFile, "").shownView);
}

TEST_F(TitleBrowsing, ClearingHidesTheViewAndListsEveryTitle)
{
    loadNumbered(5);
    const ListUpdate update = m_browser.clearSearch();
    EXPECT_TRUE(update.hideView);
    EXPECT_EQ(update.items.size(), 5u);
}

TEST_F(TitleBrowsing, ComboChoiceShowsTheRecordAndTheOccurrenceFields)
{
    load({{11, 1, "Before"},
          {12, 1, "Alien", "", 1979, 117},
          {12, 2, "Alien Director's Cut", "", 2003, 116}});
    const TitleChoice choice = m_browser.chooseListItem("00012|001 Alien");
    EXPECT_EQ(choice.collectionNumber, 12);
    EXPECT_EQ(choice.occurrence, 1);
    EXPECT_EQ(choice.occurrenceFieldsVisible, true);
    EXPECT_FALSE(choice.occurrenceMaximum.has_value());
    ASSERT_TRUE(choice.view.has_value());
    EXPECT_EQ(choice.view->title, "Alien");
    EXPECT_EQ(choice.view->runningTime, "117");
    EXPECT_EQ(m_browser.chooseListItem("00011|001 Before").occurrenceFieldsVisible, false);
}

TEST_F(TitleBrowsing, NumberSpinnerSetsTheOccurrenceSpinner)
{
    load({{11, 1, "Before"}, {12, 1, "Alien"}, {12, 2, "Alien Director's Cut"}});
    const auto shared = m_browser.chooseNumber(12);
    ASSERT_TRUE(shared.has_value());
    EXPECT_EQ(shared->occurrenceMaximum, 2);
    EXPECT_EQ(shared->occurrence, 1);
    EXPECT_FALSE(shared->occurrenceFieldsVisible.has_value());
    EXPECT_EQ(shared->view->title, "Alien");
    EXPECT_EQ(shared->searchText, "Alien");
    EXPECT_EQ(m_browser.chooseNumber(11)->occurrenceMaximum, 1);

    const auto second = m_browser.chooseOccurrence(12, 2);
    EXPECT_EQ(second->view->title, "Alien Director's Cut");
    EXPECT_EQ(m_browser.chooseOccurrence(12, 7)->occurrence, 2);
    EXPECT_EQ(m_browser.chooseOccurrence(12, 0)->occurrence, 1);
}

TEST_F(TitleBrowsing, SpinnerReachesEveryNumberUpToTheLargest)
{
    loadNumbered(250);
    EXPECT_EQ(m_browser.chooseNumber(250)->view->title, "Film 250");
    load({{10, 1, "Ten"}, {20, 1, "Twenty"}, {30, 1, "Thirty"}});
    EXPECT_EQ(m_browser.chooseNumber(20)->view->title, "Twenty");
    EXPECT_EQ(m_browser.chooseNumber(30)->view->title, "Thirty");
    // A gap shows the not-found record.
    const auto gap = m_browser.chooseNumber(15);
    EXPECT_EQ(gap->view->title.substr(0, 4), "TNTN");
    EXPECT_FALSE(m_browser.chooseNumber(31)->view.has_value());
}

TEST_F(TitleBrowsing, SpinnersDoNothingOnAnEmptyIndex)
{
    EXPECT_FALSE(m_browser.chooseNumber(1).has_value());
    EXPECT_FALSE(m_browser.chooseOccurrence(1, 1).has_value());
}

TEST_F(TitleBrowsing, NotFoundItemShowsTheNotFoundRecord)
{
    const TitleChoice choice = m_browser.chooseListItem("DVDProfiler database not found");
    EXPECT_EQ(choice.collectionNumber, 0);
    ASSERT_TRUE(choice.view.has_value());
    EXPECT_EQ(choice.view->title.find_first_not_of("NT"), std::string::npos);
}

TEST_F(TitleBrowsing, ViewShowsTheFieldsAsTheWindowWantsThem)
{
    load({{1, 1, "Alien", "", 0, 95,
           "In space &lt;i&gt;no one&lt;/i&gt; can hear you&lt;br&gt;scream."},
          {2, 1, "Le M\xE9pris", "Il disprezzo", 1963, 103}});
    const TitleView alien = m_browser.showTitle(1, 1);
    EXPECT_EQ(alien.runningTime, "95");
    EXPECT_EQ(alien.productionYear, "0000");
    EXPECT_FALSE(alien.originalTitle.has_value()); // the box keeps the previous one
    EXPECT_EQ(alien.overview, "In space no one can hear you&lt;br&gt;scream.");
    EXPECT_EQ(alien.coverFile, std::filesystem::path("/dvdp") / "Images" / "P1.1f.jpg");
    const TitleView mepris = m_browser.showTitle(2, 1);
    EXPECT_EQ(mepris.title, "Le M\xE9pris");
    EXPECT_EQ(mepris.originalTitle, "Il disprezzo");
}

} // namespace
} // namespace ravello::collection
