// A list file as a player's disk may hold it: read line by line, decoded,
// and its first line split at "/".

#include "data/DataFolder.h"
#include "data/SlashList.h"
#include "platform/Encoding.h"
#include "support/Workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::Workspace work;
    using fuzzsupport::expect;
    work.reset();
    work.writeData(data::kMapsFile, fuzzsupport::bytesOf(data, size));
    const std::string path = data::dataFile(work.files, data::kMapsFile);

    const auto lines = work.files.readLines(path);
    expect(lines.has_value());
    for (const auto& line : *lines)
        expect(line.find('\n') == std::string::npos && platform::isValidUtf8(line));

    const auto entries = data::readSlashListFile(work.files, path);
    expect(entries.has_value() == !lines->empty());
    if (!entries)
        return 0;
    const std::string& first = lines->front();
    // Written back, the entries give the first line up to its last "/".
    const std::string line = data::slashListLine(*entries);
    expect(line == first.substr(0, first.rfind('/') + 1));
    return 0;
}
