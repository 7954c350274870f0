#include "harness/PackageGame.h"

#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "support/GameData.h"

namespace benchview {

PackageGame::PackageGame(int count, const PackageEntries& entries) {
    testsupport::writeUsedGame(dir_);
    std::mt19937 rng(static_cast<unsigned>(count) * 7919U + 11U);
    const auto base = std::filesystem::path(dir_.path()) / "baseq3";
    for (int n = 0; n < count; ++n) {
        const std::string name = "pack" + std::to_string(n) + ".pk3";
        dir_.writeRaw("baseq3/" + name, testsupport::storedPackage(entries(n, rng)));
        packages_.push_back((base / name).string());
    }
}

long PackageGame::headerWalk() const {
    long entries = 0;
    long names = 0;
    for (const auto& package : packages_) {
        const int fd = ::open(package.c_str(), O_RDONLY);
        if (fd < 0)
            continue;
        unsigned char h[30];
        char name[65536];
        off_t at = 0;
        while (::pread(fd, h, 30, at) == 30 && h[0] == 'P' && h[1] == 'K' && h[2] == 3 &&
               h[3] == 4) {
            const unsigned nameLength = h[26] | (h[27] << 8);
            const unsigned extraLength = h[28] | (h[29] << 8);
            const std::uint32_t size =
                h[18] | (h[19] << 8) | (h[20] << 16) | (static_cast<std::uint32_t>(h[21]) << 24);
            if (::pread(fd, name, nameLength, at + 30) != static_cast<ssize_t>(nameLength))
                break;
            names += name[0];
            ++entries;
            at += 30 + nameLength + extraLength + size;
        }
        ::close(fd);
    }
    return names == 0 ? 0 : entries;
}

std::vector<testsupport::StoredEntry> fillerEntries(int package, int fillers, std::mt19937& rng) {
    static const char* const kinds[] = {"textures/%s/wall%d.tga", "textures/%s/floor%d.jpg",
                                        "sound/%s/amb%d.wav",     "models/mapobjects/%s/m%d.md3",
                                        "env/%s/sky%d_up.tga",    "scripts/%s%d.shader"};
    std::uniform_int_distribution<int> size(64, 512);
    const std::string tag = "pack" + std::to_string(package);
    std::vector<testsupport::StoredEntry> entries;
    for (int i = 0; i < fillers; ++i) {
        char name[96];
        std::snprintf(name, sizeof name, kinds[i % 6], tag.c_str(), i);
        entries.push_back({name, 0, std::string(static_cast<std::size_t>(size(rng)), 'x')});
    }
    return entries;
}

std::string randomName(std::mt19937& rng, int length) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::uniform_int_distribution<int> pick(0, 51);
    std::string s;
    for (int i = 0; i < length; ++i)
        s += letters[pick(rng)];
    return s;
}

} // namespace benchview
