#include "support/FaultyFileSystem.h"

#include <algorithm>

namespace testsupport {

bool FaultyFileSystem::fails(const std::string& path) const {
    return std::any_of(failing_.begin(), failing_.end(), [&](const std::string& part) {
        return path.find(part) != std::string::npos;
    });
}

} // namespace testsupport
