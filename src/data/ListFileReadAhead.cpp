#include "data/ListFileReadAhead.h"

#include <exception>
#include <utility>

#include "data/SlashList.h"
#include "platform/FileSystem.h"
#include "ui/ListBox.h"

namespace data {

namespace {

// The stamp of the file that reading `path` opens (its name matched without
// regard to letter case, as every read does).
std::optional<platform::FileStamp> stampOf(const std::string& path) {
    return platform::fileStamp(platform::RealFileSystem::resolve(path));
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
        const auto before = stampOf(path_);
        if (!before)
            return;
        const platform::RealFileSystem files;
        auto entries = readListEntries(files, path_);
        // Replaced or written to while it was read: what was read may mix
        // two versions of the file.
        if (!entries || stampOf(path_) != before)
            return;
        entries_ = ui::ListBox::inSortedOrder(std::move(*entries));
        stamp_ = before;
    } catch (const std::exception&) {
        entries_.reset();
    }
}

bool ListFileReadAhead::appendTo(const std::string& path, ui::ListBox& list) {
    finishReading();
    auto entries = std::exchange(entries_, std::nullopt);
    if (!entries || path != path_ || !list.sorted() || stampOf(path) != stamp_)
        return false;
    list.addEntries(std::move(*entries));
    return true;
}

} // namespace data
