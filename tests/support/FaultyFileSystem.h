#pragma once
// A file system that passes everything to another one, except that writes
// and removals of paths containing one of the given parts fail, as on a full
// disk, and opening paths containing one of the parts given for that runs
// out of memory.

#include <new>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace testsupport {

class FaultyFileSystem : public platform::FileSystem {
  public:
    explicit FaultyFileSystem(platform::FileSystem& inner) : inner_(inner) {}

    void failWritesTo(const std::string& pathPart) { failing_.push_back(pathPart); }
    void clearFailures() { failing_.clear(); }
    void runOutOfMemoryOpening(const std::string& pathPart) { noMemory_.push_back(pathPart); }

    std::string workingDirectory() const override { return inner_.workingDirectory(); }
    std::optional<std::vector<std::string>> readLines(const std::string& path) const override {
        return inner_.readLines(path);
    }
    platform::WriteResult writeLines(const std::string& path,
                                     const std::vector<std::string>& lines) override {
        if (fails(failing_, path))
            return platform::WriteResult::failed("No space left on device");
        return inner_.writeLines(path, lines);
    }
    std::optional<std::vector<std::uint8_t>> readBinary(const std::string& path) const override {
        return inner_.readBinary(path);
    }
    std::unique_ptr<std::istream> openBinary(const std::string& path) const override {
        if (fails(noMemory_, path))
            throw std::bad_alloc();
        return inner_.openBinary(path);
    }
    bool createDirectory(const std::string& path) override { return inner_.createDirectory(path); }
    bool removeFile(const std::string& path) override {
        return !fails(failing_, path) && inner_.removeFile(path);
    }
    std::optional<std::vector<platform::ListedName>>
    listFiles(const std::string& folder, const std::string& pattern) const override {
        return inner_.listFiles(folder, pattern);
    }
    std::optional<std::vector<platform::ListedName>>
    listFolders(const std::string& folder) const override {
        return inner_.listFolders(folder);
    }
    void removeLeftoverTemporaries(const std::string& folder,
                                   const std::vector<std::string>& ownFiles) override {
        inner_.removeLeftoverTemporaries(folder, ownFiles);
    }
    void beginBatch() override { inner_.beginBatch(); }
    void endBatch() override { inner_.endBatch(); }

  private:
    static bool fails(const std::vector<std::string>& parts, const std::string& path);

    platform::FileSystem& inner_;
    std::vector<std::string> failing_;
    std::vector<std::string> noMemory_;
};

} // namespace testsupport
