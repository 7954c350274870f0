// The main window with big catalogues: its load step (10,000 maps, 1,000
// mods with their records, a 200-map cycle, 500 bots of which 100 are
// selected) beside a baseline that only reads the same files and sorts the
// same entries, and one keystroke in a setting (the record rewrite).
#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "data/DataFolder.h"
#include "data/SlashList.h"
#include "platform/FileSystem.h"
#include "support/GameData.h"
#include "support/GameDir.h"
#include "support/Launcher.h"
#include "ui/ListBox.h"
#include "windows/MainWindow.h"

namespace {

constexpr int kMaps = 10000;
constexpr int kMods = 1000;
constexpr int kCycle = 200;
constexpr int kBots = 500;
constexpr int kSelectedBots = 100;

std::string numbered(const char* prefix, int n) {
    return prefix + std::to_string(n);
}

std::string slashLine(const std::vector<std::string>& entries) {
    return data::slashListLine(entries);
}

// A game directory with big data files, made once for the whole run.
class BigGame {
  public:
    BigGame() {
        std::mt19937 rng(7);

        std::vector<std::string> maps;
        for (int i = 0; i < kMaps; ++i)
            maps.push_back(numbered(i % 3 == 0 ? "Q3DM" : "q3map", i));
        std::shuffle(maps.begin(), maps.end(), rng);
        dir_.writeData("maps.tvd", {slashLine(maps)});

        std::vector<std::string> mods;
        for (int i = 0; i < kMods; ++i) {
            mods.push_back(numbered("Mod ", i));
            dir_.writeData(mods.back() + ".tvd", testsupport::modRecord(numbered("mod", i)));
        }
        std::shuffle(mods.begin(), mods.end(), rng);
        dir_.writeData("mods.tvd", {slashLine(mods)});

        std::vector<std::string> cycle(maps.begin(), maps.begin() + kCycle);
        dir_.writeData("mapcycle.tvd", {slashLine(cycle)});

        std::vector<std::string> bots;
        for (int i = 0; i < kBots; ++i)
            bots.push_back(numbered("Bot", i) + " - 5 - red  - 0  ");
        std::sort(bots.begin(), bots.end(), ui::ListBox::sortsBefore);
        std::string selection;
        for (int i = 0; i < kSelectedBots; ++i)
            selection += std::to_string(i * (kBots / kSelectedBots)) + "/";
        dir_.writeData("bots.tvd", {slashLine(bots), selection});

        // Cycle mode: the load step also copies the map list.
        dir_.writeData("settings.tvd", {"5000", "500", "Bench Server", "C"});
    }

    std::string path() const { return dir_.path(); }

  private:
    testsupport::GameDir dir_;
};

const BigGame& game() {
    static const BigGame g;
    return g;
}

// The program on the game directory, with recording services.
using Program = testsupport::Launcher;

void BM_MainWindowLoad(benchmark::State& state) {
    const std::string dir = game().path();
    for (auto _ : state) {
        state.PauseTiming();
        auto program = std::make_unique<Program>(dir);
        auto& q = program->app.get<windows::MainWindow>();
        state.ResumeTiming();
        q.load();
        benchmark::DoNotOptimize(q.mapList.listCount());
        state.PauseTiming();
        if (q.mapList.listCount() != kMaps || q.availableMaps.listCount() != kMaps ||
            q.modList.listCount() != kMods || q.cycleMaps.listCount() != kCycle ||
            q.botCount.caption() != "Game with  100 bots")
            state.SkipWithError("the load step did not read every list");
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowLoad)->Unit(benchmark::kMillisecond);

// Reads the same files and sorts the same entries, nothing more.
void BM_ReadAndSortBaseline(benchmark::State& state) {
    platform::RealFileSystem fs(game().path());
    const auto data = [&](const std::string& name) { return data::dataFile(fs, name); };
    for (auto _ : state) {
        auto maps = data::readSlashListFile(fs, data("maps.tvd")).value();
        auto mods = data::readSlashListFile(fs, data("mods.tvd")).value();
        auto cycle = data::readSlashListFile(fs, data("mapcycle.tvd")).value();
        const auto botFile = fs.readLines(data("bots.tvd")).value();
        auto bots = data::parseSlashList(botFile.at(0));
        const auto selection = data::parseSlashList(botFile.at(1));
        const auto settings = fs.readLines(data("settings.tvd")).value();
        std::sort(maps.begin(), maps.end(), ui::ListBox::sortsBefore);
        auto available = maps; // the cycle panel's copy
        std::sort(available.begin(), available.end(), ui::ListBox::sortsBefore);
        std::sort(mods.begin(), mods.end(), ui::ListBox::sortsBefore);
        std::sort(bots.begin(), bots.end(), ui::ListBox::sortsBefore);
        const auto record = fs.readLines(data(mods.at(500) + ".tvd")).value();
        benchmark::DoNotOptimize(maps.data());
        benchmark::DoNotOptimize(available.data());
        benchmark::DoNotOptimize(cycle.data());
        benchmark::DoNotOptimize(selection.data());
        benchmark::DoNotOptimize(settings.data());
        benchmark::DoNotOptimize(record.data());
    }
}
BENCHMARK(BM_ReadAndSortBaseline)->Unit(benchmark::kMillisecond);

// One keystroke in the frag limit: the selected mod's record is read and
// rewritten whole.
void BM_SettingKeystroke(benchmark::State& state) {
    Program program(game().path());
    auto& q = program.app.get<windows::MainWindow>();
    q.load();
    program.app.setFocus(&q.modList);
    const std::string texts[] = {"1", "12"};
    int i = 0;
    for (auto _ : state) {
        q.fragLimit.userType(texts[i]);
        i = 1 - i;
    }
    if (!program.messages.shown.empty())
        state.SkipWithError("the record could not be saved");
}
BENCHMARK(BM_SettingKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
