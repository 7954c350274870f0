// Start-up to the first paint of the main window, the real view attached: a
// game used before whose maps.tvd holds 10,000 or 100,000 maps, in single-map
// mode and in cycle mode (where the cycle panel's list shows every map too);
// three maps show what the start-up costs without a big catalogue. maps.tvd
// is as the launcher writes it, in list order, or in no particular order (a
// file put together by hand). The floor is a bare Qt window of the main
// window's size, shown and painted; beside it, the same window with one line
// of text.
//
// Each start-up runs in a process of its own (the start-up probe), timed from
// its start to the moment it reports the first paint, as a user waits for
// it. The same start-up inside this process, with Qt running already, shows
// the launcher's own share. Qt's offscreen platform is used unless
// QT_QPA_PLATFORM names another: bench/startup-on-display.sh runs these on an
// X display of their own, as a player starts the launcher.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "data/SlashList.h"
#include "harness/ViewHarness.h"
#include "support/GameData.h"
#include "support/GameDir.h"
#include "ui/ListBox.h"
#include "windows/MainWindow.h"

extern char** environ;

namespace {

std::vector<std::string> mapNames(int count, bool inListOrder) {
    static const char* const prefixes[] = {"q3dm", "Q3TOURNEY", "ctf_", "DM-", "mapPack_", "Tig_"};
    std::mt19937 rng(static_cast<unsigned>(count));
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        names.push_back(prefixes[rng() % std::size(prefixes)] + std::to_string(i));
    std::shuffle(names.begin(), names.end(), rng);
    if (inListOrder)
        std::sort(names.begin(), names.end(), ui::ListBox::sortsBefore);
    return names;
}

// One game directory per size, mode and order, made once for the whole run.
const testsupport::GameDir& game(int maps, bool cycleMode, bool inListOrder) {
    static std::map<std::tuple<int, bool, bool>, std::unique_ptr<testsupport::GameDir>> games;
    auto& dir = games[{maps, cycleMode, inListOrder}];
    if (!dir) {
        dir = std::make_unique<testsupport::GameDir>();
        testsupport::writeUsedGame(*dir);
        dir->writeData("maps.tvd", {data::slashListLine(mapNames(maps, inListOrder))});
        dir->writeData("settings.tvd", {"1", "0", "My Server", cycleMode ? "C" : "S"});
    }
    return *dir;
}

// Runs the probe with these arguments; the seconds from its start until it
// reported the first paint, or a negative number when it did not.
double probeSeconds(std::vector<std::string> args) {
    args.insert(args.begin(), TAP_STARTUP_PROBE);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    const auto started = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string said;
    char buffer[64];
    ssize_t n = 0;
    while (spawned == 0 && said.find('\n') == std::string::npos &&
           (n = ::read(out[0], buffer, sizeof buffer)) > 0)
        said.append(buffer, static_cast<std::size_t>(n));
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    ::close(out[0]);
    int status = 0;
    if (spawned == 0)
        ::waitpid(child, &status, 0);
    return said == "painted\n" ? took.count() : -1;
}

// The Qt platform the probes run on, as the rows' label.
std::string platformName() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    return chosen != nullptr && *chosen != '\0' ? chosen : "offscreen";
}

void timeProbe(benchmark::State& state, const std::vector<std::string>& args) {
    state.SetLabel(platformName());
    for (auto _ : state) {
        const double seconds = probeSeconds(args);
        if (seconds < 0) {
            state.SkipWithError("the probe did not paint its window");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

// x_bare: the start-up's time over the bare window's, each start-up paired
// with a bare window started right before it, so that the machine drifting
// between rows does not move the ratio.
void BM_StartupToFirstPaint(benchmark::State& state) {
    const auto& dir =
        game(static_cast<int>(state.range(0)), state.range(1) != 0, state.range(2) != 0);
    state.SetLabel(platformName());
    double startup = 0;
    double bare = 0;
    for (auto _ : state) {
        const double bareSeconds = probeSeconds({"bare"});
        const double seconds = probeSeconds({"program", dir.path()});
        if (seconds < 0 || bareSeconds < 0) {
            state.SkipWithError("the probe did not paint its window");
            break;
        }
        startup += seconds;
        bare += bareSeconds;
        state.SetIterationTime(seconds);
    }
    if (bare > 0)
        state.counters["x_bare"] = startup / bare;
}
BENCHMARK(BM_StartupToFirstPaint)
    ->ArgNames({"maps", "cycle", "in_order"})
    ->Args({3, 0, 1})
    ->ArgsProduct({{10000, 100000}, {0, 1}, {1, 0}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_BareWindowToFirstPaint(benchmark::State& state) {
    timeProbe(state, {"bare"});
}
BENCHMARK(BM_BareWindowToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// The bare window with one line of text: what setting up fonts and drawing
// the first text adds to any window, before the launcher's own work.
void BM_TextWindowToFirstPaint(benchmark::State& state) {
    timeProbe(state, {"text"});
}
BENCHMARK(BM_TextWindowToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// Inside this process: Qt runs already, only the launcher's work is timed.
// Each iteration also shows a bare window of the main window's size until it
// is painted, in this same process; x_bare is the start-up's time over that.
void BM_StartupInProcess(benchmark::State& state) {
    const int maps = static_cast<int>(state.range(0));
    const bool cycleMode = state.range(1) != 0;
    const std::string dir = game(maps, cycleMode, state.range(2) != 0).path();
    double startup = 0;
    double bare = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<benchview::BareWindow>(9825, 6780);
        const auto bareStart = std::chrono::steady_clock::now();
        const bool barePainted = window->showToFirstPaint();
        bare += std::chrono::duration<double>(std::chrono::steady_clock::now() - bareStart).count();
        window.reset();
        auto program = std::make_unique<benchview::ViewHarness>(dir);
        const auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();
        const bool painted = program->startToFirstPaint();
        state.PauseTiming();
        startup += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const auto& main = program->get<windows::MainWindow>();
        const std::size_t listed = main.mapList.state().items.size();
        if (!painted || !barePainted || listed != static_cast<std::size_t>(maps) ||
            main.availableMaps.state().items.size() != (cycleMode ? listed : 0))
            state.SkipWithError("the main window did not come up with every map");
        program.reset();
        state.ResumeTiming();
    }
    state.counters["bare_ms"] = bare / static_cast<double>(state.iterations()) * 1000;
    state.counters["x_bare"] = startup / bare;
}
BENCHMARK(BM_StartupInProcess)
    ->ArgNames({"maps", "cycle", "in_order"})
    ->Args({3, 0, 1})
    ->ArgsProduct({{10000, 100000}, {0, 1}, {1, 0}})
    ->Unit(benchmark::kMillisecond);

void BM_BareWindowInProcess(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<benchview::BareWindow>(9825, 6780);
        state.ResumeTiming();
        if (!window->showToFirstPaint())
            state.SkipWithError("the window was not painted");
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BareWindowInProcess)->Unit(benchmark::kMillisecond);

} // namespace
