#include "support/FaultyFileSystem.h"

#include <algorithm>

namespace testsupport {

bool FaultyFileSystem::fails(const std::vector<std::string>& parts, const std::string& path) {
    return std::any_of(parts.begin(), parts.end(), [&](const std::string& part) {
        return path.find(part) != std::string::npos;
    });
}

} // namespace testsupport
