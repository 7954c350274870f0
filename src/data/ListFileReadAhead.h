#pragma once
// A list file read on a thread of its own while the rest of the program
// starts up: a catalogue of many thousand maps is read, decoded and put in
// list order meanwhile. What was read ahead is used only while the file
// holds exactly the bytes that were read; otherwise the list file is read
// as usual.

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/ListItems.h"

namespace ui {
class ListBox;
}

namespace data {

class ListFileReadAhead {
  public:
    // Starts reading the list file at `path`, for a sorted list.
    explicit ListFileReadAhead(std::string path);
    ~ListFileReadAhead();
    ListFileReadAhead(const ListFileReadAhead&) = delete;
    ListFileReadAhead& operator=(const ListFileReadAhead&) = delete;

    // Waits until the file has been read.
    void finishReading();
    // Once the reading is done: adds what was read to `list` as
    // appendSlashListFile would add the file at `path`, and returns true,
    // when `path` is the file read, it holds the same bytes still and `list`
    // is sorted. False when it did nothing, and then the caller reads the file.
    // What was read is handed over once.
    bool appendTo(const std::string& path, ui::ListBox& list);

  private:
    void read();

    std::string path_;
    // The file's bytes as they were read, and its entries in list order.
    std::optional<std::string> bytes_;
    std::optional<std::vector<ui::ListItem>> entries_;
    std::thread reader_;
};

} // namespace data
