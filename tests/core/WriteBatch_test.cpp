// Writes inside a batch (a detection) must leave the data folder exactly as
// the same writes one by one do: the batch's one listing of the folder must
// learn the files it creates and forget the ones it removes, and must not
// hold on to a name that another program has renamed.
#include <filesystem>
#include <map>
#include <optional>

#include <gtest/gtest.h>

#include "platform/FileSystem.h"
#include "support/GameDir.h"

namespace {

namespace fs = std::filesystem;

struct Step {
    enum Kind { Write, Remove, RenameOutside } kind;
    std::string name;
    std::string line; // RenameOutside: the new name
};

std::map<std::string, std::string> contentsOf(const testsupport::GameDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir.data("")))
        files[e.path().filename().string()] = dir.readData(e.path().filename().string());
    return files;
}

std::map<std::string, std::string> run(const std::vector<std::string>& before,
                                       const std::vector<Step>& steps, bool batched) {
    testsupport::GameDir dir;
    for (const auto& name : before)
        dir.writeData(name, {"before"});
    platform::RealFileSystem files(dir.path());
    {
        std::optional<platform::WriteBatch> batch;
        if (batched)
            batch.emplace(files);
        for (const auto& s : steps) {
            if (s.kind == Step::Write)
                EXPECT_TRUE(files.writeLines(dir.data(s.name), {s.line})) << s.name;
            else if (s.kind == Step::Remove)
                EXPECT_TRUE(files.removeFile(dir.data(s.name))) << s.name;
            else
                fs::rename(dir.data(s.name), dir.data(s.line));
        }
    }
    return contentsOf(dir);
}

TEST(WriteBatch, leavesTheFolderAsTheSameWritesOneByOne) {
    const struct {
        const char* what;
        std::vector<std::string> before;
        std::vector<Step> steps;
        std::map<std::string, std::string> after;
    } cases[] = {
        {"a file made in the batch, written again in other letters",
         {"maps.tvd"},
         {{Step::Write, "Arena.tvd", "1"}, {Step::Write, "ARENA.tvd", "2"}},
         {{"Arena.tvd", "2\r\n"}, {"maps.tvd", "before\r\n"}}},
        {"a file there before, named in other letters",
         {"Urban Terror.tvd"},
         {{Step::Write, "urban terror.tvd", "1"}, {Step::Write, "URBAN TERROR.tvd", "2"}},
         {{"Urban Terror.tvd", "2\r\n"}}},
        {"a file removed in the batch, then written in other letters",
         {"Gone.tvd"},
         {{Step::Write, "gone.tvd", "1"},
          {Step::Remove, "GONE.tvd", ""},
          {Step::Write, "gone.tvd", "2"},
          {Step::Write, "GONE.tvd", "3"}},
         {{"gone.tvd", "3\r\n"}}},
        {"a file renamed by another program after the folder was listed",
         {"Maps.tvd"},
         {{Step::Write, "maps.tvd", "1"},
          {Step::RenameOutside, "Maps.tvd", "MAPS.tvd"},
          {Step::Write, "maps.tvd", "2"}},
         {{"MAPS.tvd", "2\r\n"}}},
        {"a file named on Windows, written under its name in the data files",
         {"Caf\xE9.tvd"},
         {{Step::Write, "Caf\u00E9.tvd", "1"}, {Step::Write, "CAF\u00C9.tvd", "2"}},
         {{"Caf\xE9.tvd", "2\r\n"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(run(c.before, c.steps, false), c.after);
        EXPECT_EQ(run(c.before, c.steps, true), c.after);
    }
}

} // namespace
