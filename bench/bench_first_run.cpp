// The first-run pass over a base folder of nine packages of 600 deflated
// entries each (made by the zip program; textures, sounds, models, some
// maps and bots, a few maps in more than one package) and three mod
// folders, beside its floor: the walk over the same packages that reads
// only each entry's local header and name, plus writing the files the pass
// must replace (the mod records, the six list and snapshot files and the
// marker) atomically one by one, the folder synced once at the end.
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/Packages.h"
#include "windows/MainWindow.h"
#include "windows/RosterWindow.h"
#include "windows/StartupWindow.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPackages = 9;
constexpr int kEntriesPerPackage = 600;

std::string content(std::mt19937& rng) {
    // Half noise, half repeats: deflates to about two thirds.
    std::uniform_int_distribution<int> size(1000, 24000);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s(static_cast<std::size_t>(size(rng)), '\0');
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = (i / 64) % 2 == 0 ? static_cast<char>(byte(rng)) : static_cast<char>('a' + i % 7);
    return s;
}

std::vector<testsupport::PackageFile> packageFiles(int p, std::mt19937& rng) {
    static const char* const kinds[] = {
        "textures/%s/wall%03d.tga",       "textures/%s/floor%03d.jpg", "sound/%s/amb%03d.wav",
        "models/mapobjects/%s/m%03d.md3", "scripts/%s%03d.shader",     "gfx/%s/icon%03d.tga"};
    const std::string tag = "set" + std::to_string(p);
    std::vector<testsupport::PackageFile> files;
    for (int i = 0; i < kEntriesPerPackage; ++i) {
        char name[96];
        if (i % 40 == 7)
            std::snprintf(name, sizeof name, "maps/%s_%d.bsp", tag.c_str(), i);
        else if (i % 150 == 11)
            std::snprintf(name, sizeof name, "maps/q3dm%d.bsp", i % 20);
        else if (i % 120 == 13)
            std::snprintf(name, sizeof name, "botfiles/bots/b%d_%d_c.c", p, i);
        else
            std::snprintf(name, sizeof name, kinds[i % 6], tag.c_str(), i);
        files.push_back({name, content(rng)});
    }
    return files;
}

class RealBase {
  public:
    RealBase() {
        std::mt19937 rng(2026);
        fs::create_directories(dir_.data(""));
        for (const char* mod : {"arena", "q3ut", "osp"})
            fs::create_directories(fs::path(dir_.path()) / mod);
        for (int p = 0; p < kPackages; ++p) {
            const auto package =
                fs::path(dir_.path()) / "baseq3" / ("pack" + std::to_string(p) + ".pk3");
            if (!testsupport::makePackage(package, packageFiles(p, rng)))
                std::fprintf(stderr, "zip failed for %s\n", package.c_str());
            packages_.push_back(package.string());
        }
    }
    std::string path() const { return dir_.path(); }
    std::string data() const { return dir_.data(""); }
    const std::vector<std::string>& packages() const { return packages_; }

  private:
    testsupport::GameDir dir_;
    std::vector<std::string> packages_;
};

const RealBase& base() {
    static const RealBase b;
    return b;
}

void emptyDataFolder() {
    for (const auto& e : fs::directory_iterator(base().data()))
        fs::remove(e.path());
}

// Starts the program on a fresh data folder, where it shows the first-run
// window with its start button lit.
windows::StartupWindow& firstRunWindow(std::optional<testsupport::Launcher>& program) {
    program.reset();
    emptyDataFolder();
    program.emplace(base().path());
    program->start();
    auto& w = program->get<windows::StartupWindow>();
    w.acceptButtonPlain.userMouseMove();
    return w;
}

void BM_FirstRunPass(benchmark::State& state) {
    std::optional<testsupport::Launcher> program;
    for (auto _ : state) {
        state.PauseTiming();
        auto& w = firstRunWindow(program);
        if (!w.isVisible()) {
            state.SkipWithError("no first-run window");
            break;
        }
        state.ResumeTiming();
        w.acceptButtonLit.userClick();
        state.PauseTiming();
        const int maps = program->get<windows::MainWindow>().mapList.listCount();
        const int bots = program->get<windows::RosterWindow>().roster.listCount();
        if (maps == 0 || bots == 0) {
            state.SkipWithError("the pass found nothing");
            break;
        }
        state.counters["maps"] = maps;
        state.counters["bots"] = bots;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstRunPass)->Unit(benchmark::kMillisecond);

// Each local header with its name in one read (a second one only for a
// longer name than the first read holds).
long walkHeaders(const std::string& package) {
    const int fd = ::open(package.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    unsigned char b[30 + 256];
    long names = 0;
    off_t at = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, b, sizeof b, at);
        if (got < 30 || b[0] != 'P' || b[1] != 'K' || b[2] != 3 || b[3] != 4)
            break;
        const unsigned n = b[26] | (b[27] << 8);
        const unsigned m = b[28] | (b[29] << 8);
        const std::uint32_t size =
            b[18] | (b[19] << 8) | (b[20] << 16) | (static_cast<std::uint32_t>(b[21]) << 24);
        if (30 + n > static_cast<std::size_t>(got)) {
            std::string name(n, '\0');
            if (::pread(fd, name.data(), n, at + 30) != static_cast<ssize_t>(n))
                break;
        }
        names += b[30];
        at += 30 + n + m + size;
    }
    ::close(fd);
    return names;
}

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

// What the pass leaves in the data folder, name and bytes.
std::vector<std::pair<std::string, std::string>> passFiles() {
    std::optional<testsupport::Launcher> program;
    firstRunWindow(program).acceptButtonLit.userClick();
    program.reset();
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& e : fs::directory_iterator(base().data())) {
        std::ifstream in(e.path(), std::ios::binary);
        files.emplace_back(e.path().filename().string(),
                           std::string(std::istreambuf_iterator<char>(in), {}));
    }
    return files;
}

void writeFloor(const std::vector<std::pair<std::string, std::string>>& files) {
    const std::string folder = base().data();
    long names = 0;
    for (const auto& package : base().packages())
        names += walkHeaders(package);
    benchmark::DoNotOptimize(names);
    for (const auto& [name, bytes] : files)
        writeAtomically(folder, name, bytes);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(fd);
    ::close(fd);
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The pass and its floor side by side, turn about, so that both meet the
// same disk: the iteration time is the pass's, the floor's is a counter,
// and so is the ratio of the two sums.
void BM_FirstRunPassBesideFloor(benchmark::State& state) {
    const auto files = passFiles();
    // Four base-game records and three mods, six lists and the marker.
    if (files.size() != 14) {
        state.SkipWithError("the pass wrote other files than expected");
        return;
    }
    std::optional<testsupport::Launcher> program;
    double pass = 0;
    double floor = 0;
    for (auto _ : state) {
        emptyDataFolder();
        auto start = std::chrono::steady_clock::now();
        writeFloor(files);
        floor += secondsSince(start);

        auto& w = firstRunWindow(program);
        start = std::chrono::steady_clock::now();
        w.acceptButtonLit.userClick();
        const double took = secondsSince(start);
        pass += took;
        state.SetIterationTime(took);
    }
    state.counters["floor_ms"] =
        benchmark::Counter(floor * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = pass / floor;
}
BENCHMARK(BM_FirstRunPassBesideFloor)
    ->UseManualTime()
    ->Iterations(40)
    ->Unit(benchmark::kMillisecond);

// The walk alone, to tell the packages' share from the writes'.
void BM_FirstRunFloorWalkOnly(benchmark::State& state) {
    for (auto _ : state) {
        long names = 0;
        for (const auto& package : base().packages())
            names += walkHeaders(package);
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_FirstRunFloorWalkOnly)->Unit(benchmark::kMillisecond);

} // namespace
