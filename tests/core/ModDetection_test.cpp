// How a folder name becomes a mod: the known-mod lookup (exact), the skip
// test (case-blind, names and prefixes), the generic record and the display
// name.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "data/DetectedMod.h"
#include "data/KnownMods.h"

namespace {

using Lines = std::vector<std::string>;

TEST(ModDetection, everyRecordTextHoldsTwentyFourFields) {
    std::vector<std::string> texts;
    for (const auto& row : data::kKnownMods)
        texts.emplace_back(row.record);
    texts.push_back(data::genericModRecord(" some folder "));
    const Lines commonTail{"0", "0", "0", "", "1", "0"};
    for (const auto& text : texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(text.back(), '~');
        const Lines fields = data::recordFields(text);
        ASSERT_EQ(fields.size(), 24U);
        EXPECT_EQ(Lines(fields.end() - 6, fields.end()), commonTail);
        // Options come in threes: caption, a prefix, shown "0" or "1".
        for (const std::size_t shown : {3U, 6U, 9U})
            EXPECT_TRUE(fields[shown] == "0" || fields[shown] == "1");
    }
    EXPECT_EQ(data::recordFields(texts.back()).front(), "some folder");
}

TEST(ModDetection, folderNamesGiveTheirModOrNone) {
    struct Case {
        const char* folder;
        std::optional<std::string> displayName; // nullopt: skipped
        const char* fragLimit;                  // line 13: "0" for the generic record
    };
    const Case cases[] = {
        {"q3ut", "Urban Terror", "50"},
        {"Q3UT", "Q3UT", "0"},  // the lookup is exact
        {"q3ut ", "Q3ut", "0"}, // no trimming before the lookup
        {"instagib", "Instagib", "50"},
        {"Instagib", "Instagib", "0"},
        {"instagibplus", "Instagib Plus", "50"},
        {"hulk", "Hulk", "80"},
        {"mymod", "Mymod", "0"},
        {"a~b", "A~b", "0"},      // the "~" of the name ends no field
        {" mymod", "mymod", "0"}, // the blank is upper-cased, then trimmed
        {"\xC3\xA9toile", "\xC3\x89toile", "0"},
        {"baseq3 ", "Baseq3", "0"},
        {"mod", "Mod", "0"},
        {"q3menu 2", "Q3menu 2", "0"},
        {"copyof maps", "Copyof maps", "0"},
        {"kopie", "Kopie", "0"},
        {"Baseq3", std::nullopt, ""},
        {"TEAM ARENA", std::nullopt, ""},
        {"TolvData", std::nullopt, ""},
        {"mods", std::nullopt, ""},
        {"q3menu 3", std::nullopt, ""},
        {"Copy of baseq3", std::nullopt, ""},
        {"Kopie von baseq3", std::nullopt, ""},
        {"copy (2) of maps", std::nullopt, ""},
        {"Kopie (2) von baseq3", std::nullopt, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        const auto mod = data::detectModFolder(c.folder);
        ASSERT_EQ(mod.has_value(), c.displayName.has_value());
        if (!mod)
            continue;
        EXPECT_EQ(mod->displayName, *c.displayName);
        EXPECT_EQ(mod->record.folder, c.folder);
        EXPECT_EQ(mod->record.fragLimit, c.fragLimit);
    }
}

TEST(ModDetection, folderNameIsTheTextAfterTheLastSeparator) {
    EXPECT_EQ(data::folderNameOf("/games/quake3/ mymod"), " mymod");
    EXPECT_EQ(data::folderNameOf("/games/quake3/a\\b"), "a\\b");
}

} // namespace
