// Map detection over a big baseq3, with the program's view on screen: the
// main window and the map window shown, the click on the Detect button as
// the user makes it, and the paint that follows. The packages hold 60 stored
// entries each, two of them maps whose names come in no particular order.
//
// Each iteration also times the floor over the same packages: a bare loop
// that reads every entry's local header and its name. x_floor is the
// detection's time over the floor's, both measured in the same run.
//
// - Detect All over 1,000, 3,000 and 10,000 packages; the growth of its time
//   from 1,000 to 10,000 packages as an exponent (1.0 grows as the floor).
// - Detect New without a snapshot over 3,000 packages whose every map the
//   catalogue holds already: each map comes in a second time and the
//   duplicate pass takes one of every pair out again.
#include <chrono>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "harness/PackageGame.h"
#include "harness/ViewHarness.h"
#include "windows/MainWindow.h"
#include "windows/MapWindow.h"

namespace {

constexpr int kEntriesPerPackage = 60;
constexpr int kMapsPerPackage = 2;

std::vector<testsupport::StoredEntry> mapPackage(int n, std::mt19937& rng) {
    auto entries = benchview::fillerEntries(n, kEntriesPerPackage - 4, rng);
    const std::string first = benchview::randomName(rng, 8) + std::to_string(n);
    const std::string second = benchview::randomName(rng, 8) + std::to_string(n);
    entries.push_back({"levelshots/" + first + ".jpg", 0, std::string(300, 'l')});
    entries.push_back({"maps/" + first + ".bsp", 0, std::string(400, 'b')});
    entries.push_back({"scripts/" + first + ".arena", 0, "arena"});
    entries.push_back({"maps/" + second + ".bsp", 0, std::string(400, 'b')});
    return entries;
}

const benchview::PackageGame& mapGame(int packages) {
    static std::map<int, std::unique_ptr<benchview::PackageGame>> games;
    auto& game = games[packages];
    if (!game)
        game = std::make_unique<benchview::PackageGame>(packages, mapPackage);
    return *game;
}

template <class F> double seconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Detection and floor, summed over the iterations of one benchmark.
struct Figures {
    double detection = 0;
    double floor = 0;
    void report(benchmark::State& state) const {
        const auto runs = static_cast<double>(state.iterations());
        state.counters["floor_ms"] = runs > 0 ? floor / runs * 1000 : 0;
        state.counters["x_floor"] = floor > 0 ? detection / floor : 0;
    }
};

// Detect All's figures by number of packages, for the growth.
std::map<int, Figures>& detectAllFigures() {
    static std::map<int, Figures> figures;
    return figures;
}

// One click of a map window's detection: the window opened on its page with
// the button lit, the floor, then the click and the paint, timed.
template <class Open>
void timeDetection(benchmark::State& state, benchview::ViewHarness& program,
                   const benchview::PackageGame& game, Open open, ui::Image& button, int expected,
                   Figures& figures) {
    const auto& catalogue = program.get<windows::MainWindow>().mapList;
    for (auto _ : state) {
        open();
        program.paintWindows();
        const double floor = seconds([&] { benchmark::DoNotOptimize(game.headerWalk()); });
        const double detection = seconds([&] {
            button.userClick();
            program.paintWindows();
        });
        if (catalogue.listCount() != expected) {
            state.SkipWithError("the catalogue does not hold every map once");
            return;
        }
        state.SetIterationTime(detection);
        figures.detection += detection;
        figures.floor += floor;
    }
    figures.report(state);
}

void BM_MapDetectAll(benchmark::State& state) {
    const int packages = static_cast<int>(state.range(0));
    const auto& game = mapGame(packages);
    benchview::ViewHarness program(game.path());
    if (!program.startToFirstPaint()) {
        state.SkipWithError("the main window was not painted");
        return;
    }
    auto& w = program.get<windows::MapWindow>();
    Figures figures;
    timeDetection(
        state, program, game,
        [&] {
            w.show();
            w.detectAllTab.userClick();
            w.detectAllButtonPlain.userMouseMove();
        },
        w.detectAllButtonLit, kMapsPerPackage * packages, figures);
    // Per iteration, for the growth: the sizes run different numbers of them.
    const auto runs = static_cast<double>(state.iterations());
    if (runs > 0)
        detectAllFigures()[packages] = Figures{figures.detection / runs, figures.floor / runs};
}
BENCHMARK(BM_MapDetectAll)
    ->ArgName("packages")
    ->Arg(1000)
    ->Arg(3000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapDetectAll)
    ->ArgName("packages")
    ->Arg(10000)
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The growth of Detect All and of the floor from 1,000 to 10,000 packages,
// from the figures above: the exponent k of time ~ packages^k.
void BM_MapDetectAllGrowth(benchmark::State& state) {
    const auto& figures = detectAllFigures();
    for (auto _ : state) {
    }
    if (!figures.contains(1000) || !figures.contains(10000)) {
        state.SkipWithError("run the Detect All benchmarks over 1,000 and 10,000 packages first");
        return;
    }
    const Figures& a = figures.at(1000);
    const Figures& b = figures.at(10000);
    state.counters["exponent"] = std::log10(b.detection / a.detection);
    state.counters["floor_exponent"] = std::log10(b.floor / a.floor);
}
BENCHMARK(BM_MapDetectAllGrowth)->Iterations(1);

// Detect New with no snapshot: every package is scanned again and every map
// it holds is in the catalogue already.
void BM_MapDetectNewAllDuplicates(benchmark::State& state) {
    const int packages = static_cast<int>(state.range(0));
    const auto& game = mapGame(packages);
    benchview::ViewHarness program(game.path());
    if (!program.startToFirstPaint()) {
        state.SkipWithError("the main window was not painted");
        return;
    }
    auto& w = program.get<windows::MapWindow>();
    // The catalogue as Detect All leaves it.
    w.show();
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();
    Figures figures;
    timeDetection(
        state, program, game,
        [&] {
            std::filesystem::remove(game.dir().data("oldmaps.tvd"));
            w.show();
            w.detectNewTab.userClick();
            w.detectNewButtonPlain.userMouseMove();
        },
        w.detectNewButtonLit, kMapsPerPackage * packages, figures);
}
BENCHMARK(BM_MapDetectNewAllDuplicates)
    ->ArgName("packages")
    ->Arg(3000)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
