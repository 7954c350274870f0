#include <gtest/gtest.h>

#include "common/BotEntry.h"

using common::BotEntry;

TEST(BotEntry, cutsByPositionFromTheEnd) {
    const auto sarge = BotEntry::cut("Sarge - 5 - red  - 0  ");
    ASSERT_TRUE(sarge);
    EXPECT_EQ(sarge->name, "Sarge");
    EXPECT_EQ(sarge->skill, "5");
    EXPECT_EQ(sarge->team, "red ");
    EXPECT_EQ(sarge->delay, "0  ");
    EXPECT_EQ(sarge->text(), "Sarge - 5 - red  - 0  ");

    // A name holding " - " stays whole: nothing searches for the separators.
    const auto marine = BotEntry::cut("Doom - The Marine - 1 - blue - 100");
    ASSERT_TRUE(marine);
    EXPECT_EQ(marine->name, "Doom - The Marine");
    EXPECT_EQ(marine->skill, "1");
    EXPECT_EQ(marine->team, "blue");
    EXPECT_EQ(marine->delay, "100");

    // Lengths are characters: a name with letters outside ASCII cuts the same.
    const auto uber = BotEntry::cut("Übermensch - 3 - red  - 25 ");
    ASSERT_TRUE(uber);
    EXPECT_EQ(uber->name, "Übermensch");
    EXPECT_EQ(uber->skill, "3");
    EXPECT_EQ(uber->delay, "25 ");
}

TEST(BotEntry, entriesShorterThanTheTailCannotBeCut) {
    EXPECT_FALSE(BotEntry::cut(""));
    EXPECT_FALSE(BotEntry::cut("Sarge"));
    EXPECT_FALSE(BotEntry::cut(" - 5 - red  - 0 ")); // 16 characters
    const auto nameless = BotEntry::cut(" - 5 - red  - 0  ");
    ASSERT_TRUE(nameless);
    EXPECT_EQ(nameless->name, "");
    EXPECT_EQ(nameless->skill, "5");
}

TEST(BotEntry, defaultEntryAndFieldWidths) {
    EXPECT_EQ(common::defaultBotEntry("Anarki"), "Anarki - 5 - red  - 0  ");
    EXPECT_EQ(common::fitBotField("red", common::kTeamWidth), "red ");
    EXPECT_EQ(common::fitBotField("0", common::kDelayWidth), "0  ");
    EXPECT_EQ(common::fitBotField("", common::kSkillWidth), " ");
    EXPECT_EQ(common::fitBotField("blue", common::kTeamWidth), "blue");
    EXPECT_FALSE(common::fitBotField("1000", common::kDelayWidth));
    EXPECT_FALSE(common::fitBotField("12", common::kSkillWidth));
    // A built entry from fitted fields always cuts back into the same fields.
    const BotEntry typed{"Keel", *common::fitBotField("2", 1), *common::fitBotField("red", 4),
                         *common::fitBotField("75", 3)};
    const auto back = BotEntry::cut(typed.text());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "Keel");
    EXPECT_EQ(back->team, "red ");
    EXPECT_EQ(back->delay, "75 ");
}
