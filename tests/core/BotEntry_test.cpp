#include <gtest/gtest.h>

#include "data/BotEntry.h"

using data::BotEntry;

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
    EXPECT_EQ(data::defaultBotEntry("Anarki"), "Anarki - 5 - red  - 0  ");
    EXPECT_EQ(data::fitBotField("red", data::kTeamWidth), "red ");
    EXPECT_EQ(data::fitBotField("0", data::kDelayWidth), "0  ");
    EXPECT_EQ(data::fitBotField("", data::kSkillWidth), " ");
    EXPECT_EQ(data::fitBotField("blue", data::kTeamWidth), "blue");
    EXPECT_FALSE(data::fitBotField("1000", data::kDelayWidth));
    EXPECT_FALSE(data::fitBotField("12", data::kSkillWidth));
    // A built entry from fitted fields always cuts back into the same fields.
    const BotEntry typed{"Keel", *data::fitBotField("2", 1), *data::fitBotField("red", 4),
                         *data::fitBotField("75", 3)};
    const auto back = BotEntry::cut(typed.text());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, "Keel");
    EXPECT_EQ(back->team, "red ");
    EXPECT_EQ(back->delay, "75 ");
}
