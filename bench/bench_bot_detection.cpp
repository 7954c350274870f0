// Bots found in packages, with the program's view on screen.
//
// - Bot Detect All over 1,000 packages of 60 stored entries, one bot each
//   (about ten packages bring each bot, so the duplicate pass has work):
//   the roster window and the bot window shown, the click on Detect All and
//   the paint that follows, beside the floor over the same packages (each
//   entry's local header and name read, nothing else) timed in the same
//   iteration; x_floor is the one over the other.
// - The first-run pass over one package that repeats one bot file 50,000
//   times: the click on the first-run window's start button until the main
//   window has been painted.
#include <cctype>
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "harness/PackageGame.h"
#include "harness/ViewHarness.h"
#include "windows/BotWindow.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

namespace {

constexpr int kEntriesPerPackage = 60;
constexpr int kBotNames = 100;
constexpr int kPackages = 1000;

template <class F> double seconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The bots of the packages, by name: packs of add-on bots bring the same
// bots again and again.
std::map<std::string, int>& botCounts() {
    static std::map<std::string, int> counts;
    return counts;
}

std::vector<testsupport::StoredEntry> botPackage(int n, std::mt19937& rng) {
    static const std::vector<std::string> pool = [] {
        std::mt19937 names(5);
        std::vector<std::string> p;
        for (int i = 0; i < kBotNames; ++i)
            p.push_back(benchview::randomName(names, 7));
        return p;
    }();
    auto entries = benchview::fillerEntries(n, kEntriesPerPackage - 1, rng);
    const std::string& bot = pool[rng() % pool.size()];
    // The roster shows the name with its first letter in upper case.
    ++botCounts()[static_cast<char>(std::toupper(static_cast<unsigned char>(bot[0]))) +
                  bot.substr(1)];
    // The bot's file sits among the others, as in a real package.
    const auto at = entries.begin() + static_cast<long>(rng() % entries.size());
    entries.insert(at, {"botfiles/bots/" + bot + "_c.c", 0, "chat"});
    return entries;
}

// What the roster holds after Detect All: of every k equal neighbours the
// duplicate pass keeps k - k / 2.
int rosterAfterDetectAll() {
    int kept = 0;
    for (const auto& [bot, k] : botCounts())
        kept += k - k / 2;
    return kept;
}

void BM_BotDetectAll(benchmark::State& state) {
    static const benchview::PackageGame game(kPackages, botPackage);
    benchview::ViewHarness program(game.path());
    if (!program.startToFirstPaint()) {
        state.SkipWithError("the main window was not painted");
        return;
    }
    auto& roster = program.get<windows::RosterWindow>();
    auto& w = program.get<windows::BotWindow>();
    const int expected = rosterAfterDetectAll();
    roster.show();
    double detection = 0;
    double floor = 0;
    for (auto _ : state) {
        roster.addBotButton.userClick();
        w.detectAllTab.userClick();
        w.detectAllButtonPlain.userMouseMove();
        program.paintWindows();
        floor += seconds([&] { benchmark::DoNotOptimize(game.headerWalk()); });
        const double took = seconds([&] {
            w.detectAllButtonLit.userClick();
            program.paintWindows();
        });
        if (roster.roster.listCount() != expected) {
            state.SkipWithError("the roster does not hold every bot");
            return;
        }
        state.SetIterationTime(took);
        detection += took;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = floor / runs * 1000;
    state.counters["x_floor"] = detection / floor;
    state.counters["removed"] = kPackages - expected;
}
BENCHMARK(BM_BotDetectAll)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

// The first-run pass over one package of `copies` entries, every one the same
// bot file: the roster takes them all, and the duplicate pass removes one of
// every two equal neighbours.
void BM_FirstRunRepeatedBotFile(benchmark::State& state) {
    const int copies = static_cast<int>(state.range(0));
    testsupport::GameDir game;
    game.writeData("launch_stat.tvd", {"0"});
    game.writeRaw("baseq3/sarge.pk3",
                  testsupport::storedPackage(std::vector<testsupport::StoredEntry>(
                      static_cast<std::size_t>(copies), {"botfiles/bots/sarge_c.c", 0, "chat"})));
    for (auto _ : state) {
        state.PauseTiming();
        game.writeData("launch_stat.tvd", {"0"});
        auto program = std::make_unique<benchview::ViewHarness>(game.path());
        auto& first = program->get<windows::StartupWindow>();
        if (!program->startToFirstPaintOf(first)) {
            state.SkipWithError("the first-run window was not painted");
            return;
        }
        first.acceptButtonPlain.userMouseMove();
        program->paintWindows();
        state.ResumeTiming();
        first.acceptButtonLit.userClick();
        program->paintWindows();
        state.PauseTiming();
        // Of n equal neighbours the pass keeps every other one.
        if (program->get<windows::RosterWindow>().roster.listCount() != copies / 2)
            state.SkipWithError("the roster does not hold what the pass leaves");
        program.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstRunRepeatedBotFile)
    ->ArgName("copies")
    ->Arg(50000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace
