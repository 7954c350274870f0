// settings.tvd as a player's disk may hold it: read, and written back as the
// main window does when it closes.

#include "data/DataFolder.h"
#include "data/NumberText.h"
#include "data/SettingsFile.h"
#include "support/Workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::Workspace work;
    using fuzzsupport::expect;
    work.reset();
    work.writeData(data::kSettingsFile, fuzzsupport::bytesOf(data, size));

    const auto read = data::SettingsFile::read(work.files);
    // The indexes are read as the main window reads them.
    const long long map = data::leadingNumber(read.mapIndex);
    const long long mod = data::leadingNumber(read.modIndex);
    const auto stored = data::SettingsFile::of(static_cast<int>(map), static_cast<int>(mod),
                                               read.hostName, read.singleMap());
    expect(stored.write(work.files).written);
    const auto again = data::SettingsFile::read(work.files);
    expect(again.mapIndex == stored.mapIndex && again.modIndex == stored.modIndex &&
           again.hostName == stored.hostName && again.singleMap() == read.singleMap());
    return 0;
}
