// Map titles: the table and the title label of the main window.
#include <set>

#include <gtest/gtest.h>

#include "data/MapTitles.h"
#include "platform/Encoding.h"
#include "platform/TextCase.h"
#include "support/MainWindowFixture.h"

namespace {

TEST(MapTitles, tableKeysAreLowerCaseAndUnique) {
    const auto table = data::mapTitleTable();
    EXPECT_EQ(table.size(), 53u);
    std::set<std::string_view> keys;
    for (const auto& row : table) {
        EXPECT_EQ(platform::toLower(row.key), row.key);
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_FALSE(row.title.empty());
    }
}

TEST(MapTitles, titlesInAnyLetterCaseElseTheLowerCaseName) {
    EXPECT_EQ(data::mapTitle("Q3DM17"), "The Longest Yard");
    EXPECT_EQ(data::mapTitle("q3tourney6_CTF"), "Across Space");
    EXPECT_EQ(data::mapTitle("Q3Q2DM8"), "Unauthorized Conversion Of Warehouse");
    EXPECT_EQ(data::mapTitle("MyMap"), "mymap");
    EXPECT_EQ(data::mapTitle("q3dm17 "), "q3dm17 "); // no trimming
    EXPECT_EQ(data::mapTitle(""), "");
}

TEST(MapTitles, lowerCasingFoldsTheLettersThatMatchingIgnores) {
    EXPECT_EQ(data::mapTitle("ÀÉÎÕÜÝÞ_ŠŒŽŸ_×ß"), "àéîõüýþ_šœžÿ_×ß");
    // Over every character of the code page: two texts match ignoring case
    // exactly when their lower-case forms are the same.
    std::vector<std::string> chars;
    for (int b = 0; b < 256; ++b)
        chars.push_back(platform::windows1252ToUtf8(std::string(1, static_cast<char>(b))));
    for (const auto& a : chars) {
        for (const auto& b : chars) {
            ASSERT_EQ(platform::equalsIgnoreCase(a, b),
                      platform::toLower(a) == platform::toLower(b))
                << a << " " << b;
        }
    }
}

struct MapTitleLabel : testsupport::MainWindowTest {};

TEST_F(MapTitleLabel, selectedMapGivesTheLabelAndEnablesRemove) {
    dir.writeData("maps.tvd", {"Q3DM17/MyMap/"});
    settings({"-1", "-1", "Host", "S"});
    auto& q = open();
    EXPECT_EQ(q.selectedMapTitle.caption(), "");
    EXPECT_FALSE(q.removeMapButton.enabled());

    q.mapList.userClickItem(1);
    EXPECT_EQ(q.selectedMapTitle.caption(), "The Longest Yard");
    EXPECT_TRUE(q.removeMapButton.enabled());
    q.mapList.userClickItem(0);
    EXPECT_EQ(q.selectedMapTitle.caption(), "mymap");

    // Clearing the selection empties the label but leaves the button on.
    q.mapList.setListIndex(-1);
    EXPECT_EQ(q.selectedMapTitle.caption(), "");
    EXPECT_TRUE(q.removeMapButton.enabled());
}

} // namespace
