// A launcher killed at any moment while it writes its data files: another
// process writes the list files, a mod record and the settings file over and
// over, numbering each round of writes, and is killed with SIGKILL at random
// moments. Every file must then hold one whole round's contents, never a
// part of one and never an older round than before, and the temporary files
// of the cut-short writes must not pile up.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "data/DataFolder.h"
#include "data/ModRecord.h"
#include "data/SettingsFile.h"
#include "data/SlashList.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "support/GameDir.h"
#include "support/Launcher.h"

namespace {

namespace fs = std::filesystem;

// The files in the order each round writes them; the round number is in
// every one ("gen<round>"), and the sizes change from round to round so that
// a file cut short cannot pass for a whole one.
enum class Kind { List, Record, Settings };
struct DataFile {
    std::string name;
    Kind kind;
};
const std::vector<DataFile> kFiles = {{data::kMapsFile, Kind::List},
                                      {data::kModsFile, Kind::List},
                                      {"Capture The Flag.tvd", Kind::Record},
                                      {data::kCycleFile, Kind::List},
                                      {data::kSettingsFile, Kind::Settings}};

std::vector<std::string> listOf(long round) {
    std::vector<std::string> entries{"gen" + std::to_string(round)};
    for (long i = 0; i < 50 + (round % 7) * 150; ++i)
        entries.push_back("q3dm" + std::to_string(i));
    return entries;
}

data::ModRecord recordOf(long round) {
    data::ModRecord r;
    r.folder = "gen" + std::to_string(round);
    r.extraText = std::string(static_cast<std::size_t>(100 + (round % 5) * 2000), 'x');
    return r;
}

data::SettingsFile settingsOf(long round) {
    return data::SettingsFile::of(static_cast<int>(round % 100), 0,
                                  "gen" + std::to_string(round) + std::string(round % 9, 'h'),
                                  round % 2 == 0);
}

void write(platform::FileSystem& files, const DataFile& f, long round) {
    switch (f.kind) {
    case Kind::List:
        data::writeSlashListFile(files, data::dataFile(files, f.name), listOf(round));
        break;
    case Kind::Record:
        recordOf(round).write(files, "Capture The Flag");
        break;
    case Kind::Settings:
        settingsOf(round).write(files);
        break;
    }
}

std::string bytesOf(const DataFile& f, long round) {
    switch (f.kind) {
    case Kind::List:
        return testsupport::GameDir::joined({data::slashListLine(listOf(round))});
    case Kind::Record:
        return testsupport::GameDir::joined(recordOf(round).lines());
    case Kind::Settings: {
        const auto s = settingsOf(round);
        return testsupport::GameDir::joined({s.mapIndex, s.modIndex, s.hostName, s.mapMode});
    }
    }
    return {};
}

// The round a file holds, or -1 when it is not one round's whole contents.
long roundIn(const testsupport::GameDir& dir, const DataFile& f) {
    const std::string bytes = dir.readData(f.name);
    const auto at = bytes.find("gen");
    if (at == std::string::npos)
        return -1;
    const long round = std::strtol(bytes.c_str() + at + 3, nullptr, 10);
    return bytes == bytesOf(f, round) ? round : -1;
}

std::set<std::string> temporaries(const testsupport::GameDir& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.data("")))
        if (platform::isTemporaryName(e.path().filename().string()))
            names.insert(e.path().filename().string());
    return names;
}

} // namespace

TEST(CrashDuringWrite, everyFileIsOneWholeRoundAndLeftoversDoNotPileUp) {
    constexpr int kKills = 300;
    testsupport::GameDir dir;
    dir.makeFolder(data::kDataFolderName);
    platform::RealFileSystem files(dir.path());
    std::vector<long> rounds(kFiles.size(), 0);

    // Rounds in this process: the files exist, and the slowest round tells
    // how long one takes on this disk, so that the kills fall all over them.
    long longestRound = 0;
    for (long round = 0; round < 3; ++round) {
        const auto before = std::chrono::steady_clock::now();
        for (const auto& f : kFiles)
            write(files, f, round);
        longestRound =
            std::max<long>(longestRound, std::chrono::duration_cast<std::chrono::microseconds>(
                                             std::chrono::steady_clock::now() - before)
                                             .count());
    }
    std::fill(rounds.begin(), rounds.end(), 2);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delay(0, std::max<long>(2 * longestRound, 2000));

    int cleanedUp = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const auto leftoversBefore = temporaries(dir);
        const long secondBefore = rounds[1];
        const long next = *std::max_element(rounds.begin(), rounds.end()) + 1;
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            for (long round = next;; ++round)
                for (const auto& f : kFiles)
                    write(files, f, round);
        }
        ::usleep(static_cast<useconds_t>(delay(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);

        for (std::size_t i = 0; i < kFiles.size(); ++i) {
            const long round = roundIn(dir, kFiles[i]);
            ASSERT_GE(round, rounds[i])
                << kFiles[i].name << " after kill " << kill << " is torn or older than before";
            rounds[i] = round;
        }
        const auto leftovers = temporaries(dir);
        EXPECT_LE(leftovers.size(), leftoversBefore.size() + 1) << "after kill " << kill;
        // The second file has been written: the first write of the killed
        // process had finished, clean-up included, so whatever the earlier
        // kills left is gone.
        if (rounds[1] > secondBefore) {
            ++cleanedUp;
            for (const auto& name : leftoversBefore)
                EXPECT_EQ(leftovers.count(name), 0u) << name << " after kill " << kill;
        }
    }
    // Most kills came after some writes, so the clean-up was seen at work.
    EXPECT_GE(cleanedUp, kKills / 4);

    // The next start takes away what the last kill left.
    testsupport::Launcher launcher(dir.path());
    launcher.start();
    EXPECT_TRUE(temporaries(dir).empty());
}
