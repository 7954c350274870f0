// Map detection over a big baseq3: 1,000 packages of about 60 stored entries
// each, names and sizes like real content, some of them maps and bots.
// Detect All through the map window beside two baselines over the same
// packages: the floor (a bare loop that reads only each entry's 30-byte
// header and its name) and the listing by `zipinfo -1`. Then Detect New with
// n new maps into a catalogue of n entries, for growing n: adding one by one
// to a sorted list must not grow quadratically.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include <benchmark/benchmark.h>

#include "common/SlashList.h"
#include "content/q2map.h"
#include "shell/Q2M.h"
#include "support/GameDir.h"
#include "support/Launcher.h"

namespace {

constexpr int kPackages = 1000;
constexpr int kEntriesPerPackage = 60;

std::uint32_t crc32(const std::string& data) {
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFU;
    for (const char ch : data)
        c = table[(c ^ static_cast<unsigned char>(ch)) & 0xFFU] ^ (c >> 8);
    return c ^ 0xFFFFFFFFU;
}

// A well-formed zip archive of stored entries, with its central directory.
std::string storedZip(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string out;
    std::string directory;
    auto put = [](std::string& s, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s += static_cast<char>((v >> (8 * i)) & 0xFFU);
    };
    for (const auto& [name, data] : entries) {
        const auto offset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t crc = crc32(data);
        const auto size = static_cast<std::uint32_t>(data.size());
        const auto nameLength = static_cast<std::uint32_t>(name.size());
        put(out, 0x04034B50, 4);
        put(out, 10, 2);
        put(out, 0, 2);
        put(out, 0, 2);
        put(out, 0, 2);
        put(out, 0x5A21, 2);
        put(out, crc, 4);
        put(out, size, 4);
        put(out, size, 4);
        put(out, nameLength, 2);
        put(out, 0, 2);
        out += name;
        out += data;
        put(directory, 0x02014B50, 4);
        put(directory, 0x031E, 2);
        put(directory, 10, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0x5A21, 2);
        put(directory, crc, 4);
        put(directory, size, 4);
        put(directory, size, 4);
        put(directory, nameLength, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0, 2);
        put(directory, 0x81A40000U, 4);
        put(directory, offset, 4);
        directory += name;
    }
    const auto start = static_cast<std::uint32_t>(out.size());
    out += directory;
    put(out, 0x06054B50, 4);
    put(out, 0, 4);
    put(out, static_cast<std::uint32_t>(entries.size()), 2);
    put(out, static_cast<std::uint32_t>(entries.size()), 2);
    put(out, static_cast<std::uint32_t>(directory.size()), 4);
    put(out, start, 4);
    put(out, 0, 2);
    return out;
}

void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// Entries as a map package holds them: textures, shaders, sounds, level
// shots, the map itself and now and then a bot.
std::vector<std::pair<std::string, std::string>> packageEntries(int n, std::mt19937& rng) {
    static const char* const kinds[] = {"textures/%s/wall%d.tga", "textures/%s/floor%d.jpg",
                                        "sound/%s/amb%d.wav",     "models/mapobjects/%s/m%d.md3",
                                        "env/%s/sky%d_up.tga",    "scripts/%s%d.shader"};
    std::uniform_int_distribution<int> size(1500, 6000);
    std::vector<std::pair<std::string, std::string>> entries;
    const std::string tag = "pack" + std::to_string(n);
    for (int i = 0; i < kEntriesPerPackage - 3; ++i) {
        char name[96];
        std::snprintf(name, sizeof name, kinds[i % 6], tag.c_str(), i);
        entries.emplace_back(name, std::string(static_cast<std::size_t>(size(rng)), 'x'));
    }
    entries.emplace_back("levelshots/" + tag + ".jpg", std::string(4000, 'l'));
    entries.emplace_back("maps/" + tag + ".bsp", std::string(5000, 'b'));
    if (n % 10 == 0)
        entries.emplace_back("botfiles/bots/bot" + std::to_string(n) + "_c.c", "chat");
    else
        entries.emplace_back("maps/" + tag + "_ctf.bsp", std::string(5000, 'c'));
    return entries;
}

class BigBaseq3 {
  public:
    BigBaseq3() {
        std::mt19937 rng(11);
        std::filesystem::create_directories(dir_.data(""));
        for (int n = 0; n < kPackages; ++n) {
            const auto p = base() / ("pack" + std::to_string(n) + ".pk3");
            writeFile(p, storedZip(packageEntries(n, rng)));
            packages_.push_back(p.string());
        }
    }
    std::string path() const { return dir_.path(); }
    std::filesystem::path base() const { return std::filesystem::path(dir_.path()) / "baseq3"; }
    const std::vector<std::string>& packages() const { return packages_; }

  private:
    testsupport::GameDir dir_;
    std::vector<std::string> packages_;
};

const BigBaseq3& baseq3() {
    static const BigBaseq3 b;
    return b;
}

// Detect All through the map window: the scan of every package into the
// catalogue, the progress and the snapshot.
void BM_DetectAll(benchmark::State& state) {
    const std::string dir = baseq3().path();
    testsupport::Launcher program(dir);
    auto& w = program.app.get<content::q2map>();
    for (auto _ : state) {
        w.load();
        w.automap();
        state.PauseTiming();
        const int found = program.app.get<shell::Q2M>().List1.listCount();
        if (found != 2 * kPackages - kPackages / 10) {
            state.SkipWithError("Detect All missed maps");
            break;
        }
        w.unload();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DetectAll)->Unit(benchmark::kMillisecond);

// The floor: each entry's 30-byte header and its name, nothing else.
void BM_HeaderFloor(benchmark::State& state) {
    for (auto _ : state) {
        long names = 0;
        for (const auto& package : baseq3().packages()) {
            const int fd = ::open(package.c_str(), O_RDONLY);
            unsigned char h[30];
            char name[65536];
            off_t at = 0;
            while (::pread(fd, h, 30, at) == 30 && h[0] == 'P' && h[1] == 'K' && h[2] == 3 &&
                   h[3] == 4) {
                const unsigned n = h[26] | (h[27] << 8);
                const unsigned m = h[28] | (h[29] << 8);
                const std::uint32_t size = h[18] | (h[19] << 8) | (h[20] << 16) |
                                           (static_cast<std::uint32_t>(h[21]) << 24);
                if (::pread(fd, name, n, at + 30) != static_cast<ssize_t>(n))
                    break;
                names += name[0];
                at += 30 + n + m + size;
            }
            ::close(fd);
        }
        benchmark::DoNotOptimize(names);
    }
}
BENCHMARK(BM_HeaderFloor)->Unit(benchmark::kMillisecond);

long zipinfo(const std::string& arguments) {
    const std::string command = "zipinfo -1 " + arguments;
    FILE* out = ::popen(command.c_str(), "r");
    if (out == nullptr)
        return -1;
    long lines = 0;
    char line[4096];
    while (std::fgets(line, sizeof line, out) != nullptr)
        ++lines;
    ::pclose(out);
    return lines;
}

// The same packages listed by zipinfo in one process.
void BM_ZipinfoOneProcess(benchmark::State& state) {
    const std::string all = "'" + baseq3().base().string() + "/*.pk3'";
    for (auto _ : state) {
        const long lines = zipinfo(all);
        if (lines < kPackages * kEntriesPerPackage)
            state.SkipWithError("zipinfo did not list every entry");
    }
}
BENCHMARK(BM_ZipinfoOneProcess)->Unit(benchmark::kMillisecond);

// The same packages listed by zipinfo, one process per package.
void BM_ZipinfoPerPackage(benchmark::State& state) {
    for (auto _ : state) {
        long lines = 0;
        for (const auto& package : baseq3().packages())
            lines += zipinfo("'" + package + "'");
        if (lines < kPackages * kEntriesPerPackage)
            state.SkipWithError("zipinfo did not list every entry");
    }
}
BENCHMARK(BM_ZipinfoPerPackage)->Unit(benchmark::kMillisecond)->Iterations(2);

// Detect New with n new maps (in n / 100 packages) into a catalogue that
// already holds n entries; the click as the user makes it: the detection,
// the duplicate pass and the rewrite of maps.tvd.
void BM_DetectNewIntoBigCatalogue(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    testsupport::GameDir dir;
    std::filesystem::create_directories(dir.data(""));
    const auto base = std::filesystem::path(dir.path()) / "baseq3";
    for (int p = 0; p < n / 100; ++p) {
        std::vector<std::pair<std::string, std::string>> entries;
        for (int i = 0; i < 100; ++i)
            entries.emplace_back("maps/new" + std::to_string(p * 100 + i) + ".bsp", "map");
        writeFile(base / ("new" + std::to_string(p) + ".pk3"), storedZip(entries));
    }
    std::vector<std::string> old;
    for (int i = 0; i < n; ++i)
        old.push_back("old" + std::to_string(i));
    testsupport::Launcher program(dir.path());
    auto& catalogue = program.app.get<shell::Q2M>().List1;
    auto& w = program.app.get<content::q2map>();
    for (auto _ : state) {
        state.PauseTiming();
        catalogue.clear();
        catalogue.addItems(old);
        std::filesystem::remove(dir.data("oldmaps.tvd"));
        w.show();
        w.Label4.userClick();
        state.ResumeTiming();
        w.Image9.userClick();
        state.PauseTiming();
        if (catalogue.listCount() != 2 * n) {
            state.SkipWithError("Detect New missed maps");
            break;
        }
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_DetectNewIntoBigCatalogue)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
