#include "platform/GameStart.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/CommandLine.h"
#include "platform/TextCase.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr const char* kGameExecutable = "Quake3.exe";
constexpr const char* kEngineCommands[] = {"ioquake3", "quake3"};

bool isWindowsProgram(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char magic[2] = {};
    return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

bool isExecutableFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec || !fs::is_regular_file(st))
        return false;
    constexpr auto anyExec = fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return (st.permissions() & anyExec) != fs::perms::none;
}

std::vector<std::string> rest(const std::vector<std::string>& args) {
    return {args.begin() + 1, args.end()};
}

} // namespace

std::optional<std::string> findOnPath(const std::string& name, std::string_view searchPath) {
    if (name.empty() || name.find('/') != std::string::npos)
        return std::nullopt;
    while (true) {
        const std::size_t colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        if (!folder.empty()) {
            const fs::path candidate = fs::path(folder) / name;
            if (isExecutableFile(candidate))
                return candidate.string();
        }
        if (colon == std::string_view::npos)
            return std::nullopt;
        searchPath.remove_prefix(colon + 1);
    }
}

std::optional<GameStart> findGameStart(const std::vector<std::string>& args,
                                       const std::string& launcherFolder,
                                       const std::string& gameDirectory,
                                       std::string_view searchPath) {
    if (args.empty())
        return std::nullopt;
    if (const auto found = findExecutable(args.front(), {launcherFolder, gameDirectory})) {
        if (!isWindowsProgram(*found))
            return GameStart{*found, rest(args)};
        const auto wine = findOnPath("wine", searchPath);
        if (!wine)
            return std::nullopt;
        std::vector<std::string> arguments{*found};
        for (const auto& a : rest(args))
            arguments.push_back(a);
        return GameStart{*wine, std::move(arguments)};
    }
    if (!equalsIgnoreCase(args.front(), kGameExecutable))
        return std::nullopt;
    for (const char* engine : kEngineCommands) {
        if (const auto found = findOnPath(engine, searchPath))
            return GameStart{*found, rest(args)};
    }
    return std::nullopt;
}

} // namespace platform
