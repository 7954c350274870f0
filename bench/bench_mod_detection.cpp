// Mod Detect All over a game directory of 1,000 mod folders, beside its
// floor: writing the same files (every record, mods.tvd and oldmods.tvd)
// atomically one by one, each to a temporary file that is synced and renamed
// over the old one, with the folder synced once at the end. Argument 0 runs
// on an empty data folder (every record is new), 1 on the records of the run
// before (every record is replaced).
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"
#include "windows/ModWindow.h"

namespace {

namespace fs = std::filesystem;

constexpr int kFolders = 1000;

class ManyMods {
  public:
    ManyMods() {
        fs::create_directories(dir_.data(""));
        for (int i = 0; i < kFolders; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "mod%04d", (i * 7919) % kFolders);
            fs::create_directories(fs::path(dir_.path()) / name);
        }
    }
    std::string path() const { return dir_.path(); }
    std::string data() const { return dir_.data(""); }

  private:
    testsupport::GameDir dir_;
};

const ManyMods& gameDir() {
    static const ManyMods g;
    return g;
}

void emptyDataFolder() {
    for (const auto& e : fs::directory_iterator(gameDir().data()))
        fs::remove(e.path());
}

// One Detect All as the user starts it: the mod window open on its Detect
// All page, then the click on its button.
void detectAll(testsupport::Launcher& program) {
    auto& w = program.app.get<windows::ModWindow>();
    w.show();
    w.detectAllTab.userClick();
    w.detectAllButtonPlain.userMouseMove();
    w.detectAllButtonLit.userClick();
}

void BM_ModDetectAll(benchmark::State& state) {
    const bool replace = state.range(0) != 0;
    emptyDataFolder();
    testsupport::Launcher program(gameDir().path());
    if (replace)
        detectAll(program);
    auto& w = program.app.get<windows::ModWindow>();
    for (auto _ : state) {
        state.PauseTiming();
        if (!replace)
            emptyDataFolder();
        w.show();
        w.detectAllTab.userClick();
        w.detectAllButtonPlain.userMouseMove();
        state.ResumeTiming();
        w.detectAllButtonLit.userClick();
        state.PauseTiming();
        if (program.app.get<windows::MainWindow>().modList.listCount() != kFolders + 4) {
            state.SkipWithError("Detect All missed mods");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ModDetectAll)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

bool writeAtomically(const std::string& folder, const std::string& name, const std::string& bytes) {
    std::string temp = folder + "/.floorXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                    ::fsync(fd) == 0;
    ::close(fd);
    return ok && ::rename(temp.c_str(), (folder + "/" + name).c_str()) == 0;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(fd);
    ::close(fd);
}

// What a detection leaves in the data folder, name and bytes.
std::vector<std::pair<std::string, std::string>> detectedFiles() {
    emptyDataFolder();
    {
        testsupport::Launcher program(gameDir().path());
        detectAll(program);
    }
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::directory_iterator(gameDir().data())) {
        std::ifstream in(e.path(), std::ios::binary);
        files.emplace_back(e.path().filename().string(),
                           std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return files;
}

void BM_ModFloorWriteRecords(benchmark::State& state) {
    const bool replace = state.range(0) != 0;
    const auto files = detectedFiles();
    if (files.size() != kFolders + 6) {
        state.SkipWithError("the detection wrote other files than expected");
        return;
    }
    const std::string folder = gameDir().data();
    for (auto _ : state) {
        if (!replace) {
            state.PauseTiming();
            emptyDataFolder();
            state.ResumeTiming();
        }
        for (const auto& [name, bytes] : files) {
            if (!writeAtomically(folder, name, bytes)) {
                state.SkipWithError("a write failed");
                return;
            }
        }
        syncFolder(folder);
    }
}
BENCHMARK(BM_ModFloorWriteRecords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The two side by side, turn about, so that both meet the same disk: the
// iteration time is the detection's, the floor's is a counter, and so is
// the ratio of the two sums.
void BM_ModDetectAllBesideFloor(benchmark::State& state) {
    const bool replace = state.range(0) != 0;
    const auto files = detectedFiles();
    const std::string folder = gameDir().data();
    testsupport::Launcher program(gameDir().path());
    if (replace)
        detectAll(program);
    auto& w = program.app.get<windows::ModWindow>();
    double detection = 0;
    double floor = 0;
    for (auto _ : state) {
        if (!replace)
            emptyDataFolder();
        auto start = std::chrono::steady_clock::now();
        for (const auto& [name, bytes] : files)
            writeAtomically(folder, name, bytes);
        syncFolder(folder);
        floor += secondsSince(start);

        if (!replace)
            emptyDataFolder();
        w.show();
        w.detectAllTab.userClick();
        w.detectAllButtonPlain.userMouseMove();
        start = std::chrono::steady_clock::now();
        w.detectAllButtonLit.userClick();
        const double took = secondsSince(start);
        detection += took;
        state.SetIterationTime(took);
    }
    state.counters["floor_ms"] =
        benchmark::Counter(floor * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = detection / floor;
}
BENCHMARK(BM_ModDetectAllBesideFloor)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(8)
    ->Unit(benchmark::kMillisecond);

} // namespace
