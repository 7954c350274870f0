#include <filesystem>

#include <gtest/gtest.h>

#include "data/DataFolder.h"
#include "data/ModRecord.h"
#include "data/NumberText.h"
#include "data/SlashList.h"
#include "platform/CommandLine.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "ui/Errors.h"

using data::parseSlashList;
using data::slashListLine;
using Entries = std::vector<std::string>;

TEST(SlashList, readsPiecesEndedBySlashes) {
    EXPECT_EQ(parseSlashList("a/b/c"), (Entries{"a", "b"})); // text after the last "/" dropped
    EXPECT_EQ(parseSlashList("a//b/"), (Entries{"a", "", "b"}));
    EXPECT_EQ(parseSlashList(""), Entries{});
    EXPECT_EQ(parseSlashList("Capture The Flag/"), Entries{"Capture The Flag"});
    EXPECT_EQ(parseSlashList("/"), Entries{""});
}

TEST(SlashList, roundTripsEveryEntryIncludingEmptyOnes) {
    const Entries entries{"q3dm1", "", " blanks ", "q3dm17"};
    EXPECT_EQ(slashListLine(entries), "q3dm1// blanks /q3dm17/");
    EXPECT_EQ(parseSlashList(slashListLine(entries)), entries);
    EXPECT_EQ(slashListLine({}), "");
}

TEST(SlashList, listFilesAreOneLineWithCrLf) {
    testsupport::GameDir dir;
    platform::RealFileSystem fs(dir.path());
    const std::string path = dir.path() + "/list.tvd";
    ASSERT_TRUE(data::writeSlashListFile(fs, path, {}));
    EXPECT_EQ(dir.read("list.tvd"), "\r\n");
    ASSERT_TRUE(data::writeSlashListFile(fs, path, {"q3dm1", "q3dm7"}));
    EXPECT_EQ(dir.read("list.tvd"), "q3dm1/q3dm7/\r\n");

    // Only the first line counts; an empty or zero-byte file gives nothing.
    dir.writeRaw("two.tvd", "a/b/\r\nc/\r\n");
    EXPECT_EQ(data::readSlashListFile(fs, dir.path() + "/two.tvd"), (Entries{"a", "b"}));
    dir.writeRaw("empty.tvd", "");
    EXPECT_FALSE(data::readSlashListFile(fs, dir.path() + "/empty.tvd").has_value());
    dir.writeRaw("blank.tvd", "\r\n");
    EXPECT_EQ(data::readSlashListFile(fs, dir.path() + "/blank.tvd"), Entries{});
    EXPECT_FALSE(data::readSlashListFile(fs, dir.path() + "/missing.tvd").has_value());
    // A file that was just read can be rewritten at once.
    EXPECT_TRUE(data::writeSlashListFile(fs, dir.path() + "/empty.tvd", {"x"}));
}

TEST(NumberText, leadingBlankAndPlainConversions) {
    EXPECT_EQ(data::signPaddedNumber(3), " 3");
    EXPECT_EQ(data::signPaddedNumber(0), " 0");
    EXPECT_EQ(data::signPaddedNumber(-1), "-1");
    EXPECT_EQ(data::plainNumber(3), "3");
    EXPECT_EQ("Game with " + data::signPaddedNumber(2) + " bots", "Game with  2 bots");
}

TEST(NumberText, readingNumbersFromText) {
    EXPECT_EQ(data::leadingNumber("3"), 3);
    EXPECT_EQ(data::leadingNumber("  12abc"), 12);
    EXPECT_EQ(data::leadingNumber("-1"), -1);
    EXPECT_EQ(data::leadingNumber(""), 0);
    EXPECT_EQ(data::leadingNumber("x1"), 0);
    EXPECT_EQ(data::leadingNumber("1.5"), 2); // halves to even
    EXPECT_EQ(data::leadingNumber("2.5"), 2);
    EXPECT_EQ(data::leadingNumber("2.51"), 3);

    EXPECT_EQ(data::wholeNumber("1"), 1);
    EXPECT_EQ(data::wholeNumber("1 "), 1);
    EXPECT_EQ(data::wholeNumber(" 2"), 2);
    EXPECT_THROW(data::wholeNumber(""), ui::RuntimeError);
    EXPECT_THROW(data::wholeNumber("x"), ui::RuntimeError);
    EXPECT_THROW(data::wholeNumber("1x"), ui::RuntimeError);
    EXPECT_EQ(data::trimmed("  My Server "), "My Server");
}

TEST(DataFolder, recordFilesStayInsideTheDataFolder) {
    platform::RealFileSystem fs("/games/q3");
    EXPECT_EQ(data::dataFile(fs, "maps.tvd"), "/games/q3/Tolvdata/maps.tvd");
    EXPECT_EQ(data::ModRecord::path(fs, "Capture The Flag"),
              std::optional<std::string>("/games/q3/Tolvdata/Capture The Flag.tvd"));
    EXPECT_FALSE(data::ModRecord::path(fs, "../settings").has_value());
    EXPECT_FALSE(data::ModRecord::path(fs, "a\\b").has_value());
    EXPECT_FALSE(data::ModRecord::path(fs, ".").has_value());
    EXPECT_FALSE(data::ModRecord::path(fs, "..").has_value());
}

TEST(FileSystem, namesMatchWithoutRegardToCase) {
    testsupport::GameDir dir;
    platform::RealFileSystem fs(dir.path());
    dir.writeRaw("TOLVDATA/Maps.TVD", "q3dm1/\r\n");
    const auto lines = fs.readLines(dir.path() + "/Tolvdata/maps.tvd");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(lines->front(), "q3dm1/");
    // Writing replaces the existing file of that name rather than adding one.
    ASSERT_TRUE(fs.writeLines(dir.path() + "/Tolvdata/maps.tvd", {"q3dm2/"}));
    EXPECT_EQ(dir.read("TOLVDATA/Maps.TVD"), "q3dm2/\r\n");
    EXPECT_TRUE(fs.createDirectory(dir.path() + "/tolvdata")); // exists already
    EXPECT_TRUE(platform::matchesPattern("PAK0.PK3", "*.pk3"));
    EXPECT_FALSE(platform::matchesPattern("pak0.pk3.bak", "*.pk3"));
    EXPECT_EQ(platform::findExecutable("Quake3.exe", {dir.path()}), std::nullopt);
    dir.writeRaw("quake3.EXE", "");
    EXPECT_EQ(platform::findExecutable("Quake3.exe", {"", dir.path()}),
              std::optional<std::string>(dir.path() + "/quake3.EXE"));
}

TEST(FileSystem, writesAreAtomicAndFailuresLeaveTheOldFile) {
    testsupport::GameDir dir;
    platform::RealFileSystem fs(dir.path());
    const std::string path = dir.path() + "/a.tvd";
    ASSERT_TRUE(fs.writeLines(path, {"old"}));
    // A folder in the way of the file: the write fails, nothing is left behind.
    // The reason is kept for the message.
    auto result = fs.writeLines(dir.path() + "/nofolder/a.tvd", {"x"});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "No such file or directory");
    std::filesystem::create_directory(dir.path() + "/dir.tvd");
    result = fs.writeLines(dir.path() + "/dir.tvd", {"x"});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "Is a directory");
    // A name longer than the file system takes: the temporary file may be
    // made, but it cannot be renamed to the name.
    result = fs.writeLines(dir.path() + "/" + std::string(252, 'n') + ".tvd", {"x"});
    EXPECT_FALSE(result);
    EXPECT_EQ(result.reason, "File name too long");
    // A value holding a line break would become two lines.
    for (const char* value : {"x\ry", "x\ny", "\r\n"}) {
        result = fs.writeLines(path, {"a", value});
        EXPECT_FALSE(result);
        EXPECT_EQ(result.reason, "a value to be written holds a line break");
    }
    EXPECT_EQ(dir.read("a.tvd"), "old\r\n");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 3); // baseq3, a.tvd, dir.tvd: no temporary files

    testsupport::FaultyFileSystem faulty(fs);
    faulty.failWritesTo("a.tvd");
    EXPECT_FALSE(faulty.writeLines(path, {"new"}));
    EXPECT_EQ(dir.read("a.tvd"), "old\r\n");
}

TEST(FileSystem, textIsUtf8OrWindows1252) {
    testsupport::GameDir dir;
    platform::RealFileSystem fs(dir.path());
    dir.writeRaw("latin.tvd", "Caf\xE9 \x80/\r\nlast");
    const auto lines = fs.readLines(dir.path() + "/latin.tvd");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (Entries{"Caf\xC3\xA9 \xE2\x82\xAC/", "last"}));
    dir.writeRaw("utf8.tvd", "Caf\xC3\xA9\n");
    EXPECT_EQ(fs.readLines(dir.path() + "/utf8.tvd")->front(), "Caf\xC3\xA9");
    EXPECT_EQ(platform::characterCount("Caf\xC3\xA9"), 4u);
}

TEST(FileSystem, decodesByteByByte) {
    struct Case {
        const char* bytes;
        const char* text;
    } cases[] = {
        {"Caf\xC3\xA9/Na\xEFve/", "Café/Naïve/"},       // UTF-8 and Windows-1252 in one line
        {"\xC0\xAF", "À¯"},                             // overlong form
        {"\xED\xA0\x80", "í\xC2\xA0€"},                 // surrogate
        {"\xF4\x90\x80\x80", "ô\xC2\x90€€"},            // above U+10FFFF
        {"\xF0\x9F\x8E\xAE ok", "\xF0\x9F\x8E\xAE ok"}, // four-byte sequence kept
        {"end \xE2\x82", "end â‚"},                     // cut short at the end
        {"\x8A\x8C\x8E\x9F", "ŠŒŽŸ"},
        {"long plain text\xE9 then more plain text\xC3\xA9",
         "long plain texté then more plain texté"}, // runs longer than a word
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(platform::decodeText(c.bytes), c.text);
    }
}

TEST(FileSystem, anyLineEndAndAByteOrderMarkAreRead) {
    struct Case {
        std::string bytes;
        Entries lines;
    } cases[] = {
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\r\nb\nc\r", {"a", "b", "c"}},
        {"a\r\r\nb\n\nc", {"a", "", "b", "", "c"}},
        {"\xEF\xBB\xBF"
         "1\r\n",
         {"1"}},
        {"x\xEF\xBB\xBF", {"x\xEF\xBB\xBF"}}, // a mark inside a line is text
        {"\r\n", {""}},
        {"", {}},
    };
    testsupport::GameDir dir;
    platform::RealFileSystem fs(dir.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        dir.writeRaw("lines.tvd", c.bytes);
        EXPECT_EQ(fs.readLines(dir.path() + "/lines.tvd"), c.lines);
    }
    // Files are written with CR LF and without a mark, unless the first line
    // starts with the mark's character, which must read back.
    ASSERT_TRUE(fs.writeLines(dir.path() + "/lines.tvd", {"1", "Café"}));
    EXPECT_EQ(dir.read("lines.tvd"), "1\r\nCafé\r\n");
    const Entries marked{"\xEF\xBB\xBF"
                         "x",
                         "y"};
    ASSERT_TRUE(fs.writeLines(dir.path() + "/lines.tvd", marked));
    EXPECT_EQ(fs.readLines(dir.path() + "/lines.tvd"), marked);
}
