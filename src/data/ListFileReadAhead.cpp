#include "data/ListFileReadAhead.h"

#include <exception>
#include <utility>

#include "data/SlashList.h"
#include "platform/FileSystem.h"
#include "platform/RegularFile.h"
#include "ui/ListBox.h"

namespace data {

namespace {

// The file that reading `path` opens: its name matched without regard to
// letter case, as every read does.
std::string fileOf(const std::string& path) {
    return platform::RealFileSystem::resolve(path);
}

} // namespace

ListFileReadAhead::ListFileReadAhead(std::string path)
    : path_(std::move(path)), reader_([this] { read(); }) {}

ListFileReadAhead::~ListFileReadAhead() {
    finishReading();
}

void ListFileReadAhead::finishReading() {
    if (reader_.joinable())
        reader_.join();
}

void ListFileReadAhead::read() {
    // A failure here (no memory for a giant file) must not end the program
    // from this thread: the file is then read as usual.
    try {
        auto bytes = platform::readRegularFile(fileOf(path_));
        if (!bytes)
            return;
        auto entries = listEntriesOfBytes(*bytes);
        if (!entries)
            return;
        entries_ = ui::ListBox::inSortedOrder(std::move(*entries));
        bytes_ = std::move(bytes);
    } catch (const std::exception&) {
        entries_.reset();
        bytes_.reset();
    }
}

bool ListFileReadAhead::appendTo(const std::string& path, ui::ListBox& list) {
    finishReading();
    auto entries = std::exchange(entries_, std::nullopt);
    const auto bytes = std::exchange(bytes_, std::nullopt);
    if (!entries || path != path_ || !list.sorted())
        return false;
    // Its bytes, not its size and times: a file written in place within one
    // tick of a coarse file-system clock keeps those, and so does one that a
    // program changes through a mapping of it. Reading it again costs far
    // less than decoding and sorting it.
    if (!platform::regularFileHolds(fileOf(path), *bytes))
        return false;
    list.addEntries(std::move(*entries));
    return true;
}

} // namespace data
