#pragma once
// The entries of a list box or combo box. Copies share one set of entries
// until one of them is changed: a window's design state, its current state
// and a list that shows another list's entries hold them once.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace ui {

struct ListItem {
    std::string text;
    bool selected = false;
    // A file or folder list's entry: the name as it is on disk, which the
    // text shows decoded.
    std::string onDisk;
    bool operator==(const ListItem&) const = default;
};

class ListItems {
  public:
    using const_iterator = std::vector<ListItem>::const_iterator;

    ListItems() = default;
    ListItems(std::vector<ListItem> items) // NOLINT: entries convert implicitly
        : shared_(std::make_shared<std::vector<ListItem>>(std::move(items))) {}

    const std::vector<ListItem>& all() const { return shared_ ? *shared_ : none(); }
    operator const std::vector<ListItem>&() const { return all(); } // NOLINT
    std::size_t size() const { return all().size(); }
    bool empty() const { return all().empty(); }
    const ListItem& operator[](std::size_t i) const { return all()[i]; }
    const_iterator begin() const { return all().begin(); }
    const_iterator end() const { return all().end(); }
    bool operator==(const ListItems& other) const { return all() == other.all(); }

    // The entries to change; entries shared with another copy are copied
    // first, so the other copy keeps them as they are.
    std::vector<ListItem>& edit() {
        if (!shared_)
            shared_ = std::make_shared<std::vector<ListItem>>();
        else if (shared_.use_count() > 1)
            shared_ = std::make_shared<std::vector<ListItem>>(*shared_);
        return *shared_;
    }

  private:
    static const std::vector<ListItem>& none() {
        static const std::vector<ListItem> empty;
        return empty;
    }

    std::shared_ptr<std::vector<ListItem>> shared_;
};

} // namespace ui
