#include "platform/CommandLine.h"

#include <filesystem>
#include <system_error>

#include "platform/TextCase.h"

namespace platform {

std::vector<std::string> splitCommandLine(std::string_view line) {
    std::vector<std::string> args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (true) {
        while (i < n && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i >= n)
            break;
        std::string arg;
        bool quoted = false;
        while (i < n) {
            const char c = line[i];
            if (!quoted && (c == ' ' || c == '\t'))
                break;
            if (c == '"') {
                quoted = !quoted;
                ++i;
                continue;
            }
            arg.push_back(c);
            ++i;
        }
        args.push_back(std::move(arg));
    }
    return args;
}

std::optional<std::string> findExecutable(const std::string& name,
                                          const std::vector<std::string>& folders) {
    namespace fs = std::filesystem;
    for (const auto& folder : folders) {
        if (folder.empty())
            continue;
        std::error_code ec;
        const fs::path exact = fs::path(folder) / name;
        if (fs::is_regular_file(exact, ec))
            return exact.string();
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            if (equalsIgnoreCase(it->path().filename().string(), name) && it->is_regular_file(ec))
                return it->path().string();
        }
    }
    return std::nullopt;
}

std::string launcherFolder() {
    std::error_code ec;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    return self.parent_path().string();
}

} // namespace platform
