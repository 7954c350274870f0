#pragma once
// A file system that passes everything to another one, except that writes
// and removals of paths containing one of the given parts fail, as on a full
// disk.

#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace testsupport {

class FaultyFileSystem : public platform::FileSystem {
  public:
    explicit FaultyFileSystem(platform::FileSystem& inner) : inner_(inner) {}

    void failWritesTo(const std::string& pathPart) { failing_.push_back(pathPart); }
    void clearFailures() { failing_.clear(); }

    std::string workingDirectory() const override { return inner_.workingDirectory(); }
    std::optional<std::vector<std::string>> readLines(const std::string& path) const override {
        return inner_.readLines(path);
    }
    platform::WriteResult writeLines(const std::string& path,
                                     const std::vector<std::string>& lines) override {
        if (fails(path))
            return platform::WriteResult::failed("No space left on device");
        return inner_.writeLines(path, lines);
    }
    std::optional<std::vector<std::uint8_t>> readBinary(const std::string& path) const override {
        return inner_.readBinary(path);
    }
    std::unique_ptr<std::istream> openBinary(const std::string& path) const override {
        return inner_.openBinary(path);
    }
    bool createDirectory(const std::string& path) override { return inner_.createDirectory(path); }
    bool removeFile(const std::string& path) override {
        return !fails(path) && inner_.removeFile(path);
    }
    std::optional<std::vector<platform::ListedName>>
    listFiles(const std::string& folder, const std::string& pattern) const override {
        return inner_.listFiles(folder, pattern);
    }
    std::optional<std::vector<platform::ListedName>>
    listFolders(const std::string& folder) const override {
        return inner_.listFolders(folder);
    }
    void removeLeftoverTemporaries(const std::string& folder) override {
        inner_.removeLeftoverTemporaries(folder);
    }
    void beginBatch() override { inner_.beginBatch(); }
    void endBatch() override { inner_.endBatch(); }

  private:
    bool fails(const std::string& path) const;

    platform::FileSystem& inner_;
    std::vector<std::string> failing_;
};

} // namespace testsupport
