#include "ui/ListBox.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>

#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "ui/Window.h"

namespace ui {

ListBox::ListBox(Window& w, std::string name, bool sorted, Selection selection, Control* parent)
    : Control(w, std::move(name), ControlKind::ListBox, parent), sorted_(sorted),
      multi_(selection == Selection::Multiple) {
    state_.backColor = Color{102, 0, 0};
}

ListBox::ListBox(Window& w, std::string name, ControlKind kind, Control* parent)
    : Control(w, std::move(name), kind, parent), sorted_(false), multi_(false) {
    state_.backColor = Color{102, 0, 0};
}

bool ListBox::sortsBefore(const std::string& a, const std::string& b) {
    return platform::sortsBefore(a, b);
}

void ListBox::checkIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(state_.items.size()))
        throw RuntimeError(kInvalidValue, "Invalid property array index");
}

void ListBox::insertAt(const std::string& text, int index) {
    auto& items = state_.items.edit();
    items.insert(items.begin() + index, ListItem{text, false, {}});
    if (state_.listIndex >= index)
        ++state_.listIndex;
    changed(Prop::Items);
}

void ListBox::addItem(const std::string& text) {
    touch();
    auto& items = state_.items.edit();
    int pos = static_cast<int>(items.size());
    if (sorted_) {
        const auto it = std::upper_bound(
            items.begin(), items.end(), text,
            [](const std::string& t, const ListItem& item) { return sortsBefore(t, item.text); });
        pos = static_cast<int>(it - items.begin());
    }
    insertAt(text, pos);
}

namespace {

bool itemSortsBefore(const ListItem& a, const ListItem& b) {
    return ListBox::sortsBefore(a.text, b.text);
}

std::vector<ListItem> itemsOf(std::vector<std::string> texts) {
    std::vector<ListItem> items;
    items.reserve(texts.size());
    for (auto& t : texts)
        items.push_back(ListItem{std::move(t), false, {}});
    return items;
}

// A text's sort head with its place in the batch. Where both texts have a
// head, different heads decide their order, so most comparisons of a sort
// need not look at the texts.
struct SortKey {
    std::uint64_t head[2] = {0, 0};
    std::uint32_t index = 0;
    bool plain = true;

    bool decides(const SortKey& other) const {
        return plain && other.plain && (head[0] != other.head[0] || head[1] != other.head[1]);
    }
    bool before(const SortKey& other) const {
        return head[0] != other.head[0] ? head[0] < other.head[0] : head[1] < other.head[1];
    }
    bool sameHead(const SortKey& other) const {
        return head[0] == other.head[0] && head[1] == other.head[1];
    }
    // Byte d of the packed head, 0 being the last one.
    unsigned byte(int d) const {
        return static_cast<unsigned>(d < 8 ? head[1] >> (8 * d) : head[0] >> (8 * (d - 8))) & 0xFFU;
    }
};

SortKey sortKey(const std::string& text, std::uint32_t index) {
    const platform::SortHead head = platform::sortHead(text);
    SortKey key;
    key.head[0] = head.first;
    key.head[1] = head.second;
    key.index = index;
    key.plain = head.plain;
    return key;
}

// From this many plain texts on, the keys are ordered by their heads a byte
// at a time (a stable radix sort), and only texts that share their head are
// compared.
constexpr std::size_t kRadixFrom = 512;

void radixSortByHead(std::vector<SortKey>& keys) {
    std::vector<std::array<std::uint32_t, 256>> counts(16);
    for (auto& c : counts)
        c.fill(0);
    for (const SortKey& k : keys)
        for (int d = 0; d < 16; ++d)
            ++counts[static_cast<std::size_t>(d)][k.byte(d)];
    std::vector<SortKey> moved(keys.size());
    for (int d = 0; d < 16; ++d) {
        auto& c = counts[static_cast<std::size_t>(d)];
        // A byte that every key shares orders nothing.
        if (c[keys.front().byte(d)] == keys.size())
            continue;
        std::uint32_t sum = 0;
        for (auto& n : c) {
            const std::uint32_t here = n;
            n = sum;
            sum += here;
        }
        for (const SortKey& k : keys)
            moved[c[k.byte(d)]++] = k;
        keys.swap(moved);
    }
}

// The indices from..to-1 of `entries` in the order a sorted list gives them
// when they are added one by one: entries that tie keep their order.
std::vector<std::uint32_t> stableOrder(const std::vector<ListItem>& entries, std::size_t from,
                                       std::size_t to) {
    std::vector<SortKey> keys;
    keys.reserve(to - from);
    bool plain = true;
    for (std::size_t i = from; i < to; ++i) {
        keys.push_back(sortKey(entries[i].text, static_cast<std::uint32_t>(i)));
        plain = plain && keys.back().plain;
    }
    const auto textBefore = [&entries](const SortKey& a, const SortKey& b) {
        return ListBox::sortsBefore(entries[a.index].text, entries[b.index].text);
    };
    if (plain && keys.size() >= kRadixFrom) {
        radixSortByHead(keys);
        for (auto run = keys.begin(); run != keys.end();) {
            auto end = run + 1;
            while (end != keys.end() && end->sameHead(*run))
                ++end;
            if (end - run > 1)
                std::stable_sort(run, end, textBefore);
            run = end;
        }
    } else {
        std::stable_sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
            return a.decides(b) ? a.before(b) : textBefore(a, b);
        });
    }
    std::vector<std::uint32_t> order;
    order.reserve(keys.size());
    for (const SortKey& k : keys)
        order.push_back(k.index);
    return order;
}

// Added entries count by their texts alone.
void keepTextsOnly(std::vector<ListItem>& entries) {
    for (ListItem& entry : entries) {
        entry.selected = false;
        entry.onDisk.clear();
    }
}

// `entries` (texts only) in the order a sorted list puts them when they are
// added one by one; entries that tie keep their order. Entries in order
// already (a list file the launcher wrote, perhaps with a few entries added
// at its end) are only checked and stay where they are; the rest is sorted
// and merged in.
std::vector<ListItem> sortedItems(std::vector<ListItem> entries) {
    const auto inOrder = static_cast<std::size_t>(
        std::is_sorted_until(entries.begin(), entries.end(), itemSortsBefore) - entries.begin());
    if (inOrder == entries.size())
        return entries;
    std::vector<std::uint32_t> order;
    if (inOrder < entries.size() - inOrder) {
        order = stableOrder(entries, 0, entries.size());
    } else {
        const std::vector<std::uint32_t> rest = stableOrder(entries, inOrder, entries.size());
        order.reserve(entries.size());
        // On a tie the entry that came first goes first.
        std::size_t i = 0;
        for (const std::uint32_t r : rest) {
            while (i < inOrder && !itemSortsBefore(entries[r], entries[i]))
                order.push_back(static_cast<std::uint32_t>(i++));
            order.push_back(r);
        }
        while (i < inOrder)
            order.push_back(static_cast<std::uint32_t>(i++));
    }
    // Position k takes the text at order[k] (the entries are texts only): the
    // texts are moved in place, one cycle of the order at a time.
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (order[k] == k)
            continue;
        std::string held = std::move(entries[k].text);
        std::size_t to = k;
        while (order[to] != k) {
            const std::size_t from = order[to];
            entries[to].text = std::move(entries[from].text);
            order[to] = static_cast<std::uint32_t>(to);
            to = from;
        }
        entries[to].text = std::move(held);
        order[to] = static_cast<std::uint32_t>(to);
    }
    return entries;
}

// The first entry of [first, last) that sorts after `value`, looked for in
// steps that double from `first`: cheap when it lies near, never worse than
// twice a binary search.
std::vector<ListItem>::iterator placeAfter(std::vector<ListItem>::iterator first,
                                           std::vector<ListItem>::iterator last,
                                           const ListItem& value) {
    std::ptrdiff_t step = 1;
    while (last - first > step && !itemSortsBefore(value, *(first + step - 1))) {
        first += step;
        step *= 2;
    }
    const auto end = last - first > step ? first + step : last;
    return std::upper_bound(first, end, value, itemSortsBefore);
}

} // namespace

void ListBox::addItems(std::vector<std::string> texts) {
    addEntries(itemsOf(std::move(texts)));
}

std::vector<ListItem> ListBox::inSortedOrder(std::vector<ListItem> entries) {
    keepTextsOnly(entries);
    return sortedItems(std::move(entries));
}

void ListBox::addEntries(std::vector<ListItem> entries) {
    touch();
    if (entries.empty())
        return;
    keepTextsOnly(entries);
    if (!sorted_) {
        auto& items = state_.items.edit();
        items.insert(items.end(), std::make_move_iterator(entries.begin()),
                     std::make_move_iterator(entries.end()));
        changed(Prop::Items);
        return;
    }
    mergeSorted(sortedItems(std::move(entries)));
}

void ListBox::mergeSorted(std::vector<ListItem> added) {
    auto& items = state_.items.edit();
    if (items.empty()) {
        items = std::move(added);
        state_.listIndex = -1;
        changed(Prop::Items);
        return;
    }
    // Each new entry goes behind the old entries that do not sort after it,
    // as one-by-one adding puts it; the highlight stays on its entry.
    const int highlighted = state_.listIndex;
    std::vector<ListItem> merged;
    merged.reserve(items.size() + added.size());
    auto from = items.begin();
    int newHighlight = -1;
    auto takeOld = [&](std::vector<ListItem>::iterator to) {
        if (highlighted >= from - items.begin() && highlighted < to - items.begin())
            newHighlight = static_cast<int>(merged.size()) +
                           (highlighted - static_cast<int>(from - items.begin()));
        merged.insert(merged.end(), std::make_move_iterator(from), std::make_move_iterator(to));
        from = to;
    };
    for (auto& item : added) {
        takeOld(placeAfter(from, items.end(), item));
        merged.push_back(std::move(item));
    }
    takeOld(items.end());
    items = std::move(merged);
    state_.listIndex = newHighlight;
    changed(Prop::Items);
}

void ListBox::replaceItems(std::vector<std::string> texts) {
    touch();
    std::vector<ListItem> entries = itemsOf(std::move(texts));
    setItems(sorted_ ? sortedItems(std::move(entries)) : std::move(entries));
}

void ListBox::replaceWithEntriesOf(const ListBox& other) {
    touch();
    other.touch();
    const ListItems& from = other.state_.items;
    if (sorted_ && !other.sorted_) {
        std::vector<std::string> texts;
        texts.reserve(from.size());
        for (const ListItem& item : from)
            texts.push_back(item.text);
        replaceItems(std::move(texts));
        return;
    }
    // Entries that are only texts are shared until one list changes.
    const bool onlyTexts = std::none_of(from.begin(), from.end(), [](const ListItem& item) {
        return item.selected || !item.onDisk.empty();
    });
    if (onlyTexts) {
        state_.items = from;
        state_.listIndex = -1;
        changed(Prop::Items);
        return;
    }
    std::vector<ListItem> items;
    items.reserve(from.size());
    for (const ListItem& item : from)
        items.push_back(ListItem{item.text, false, {}});
    setItems(std::move(items));
}

void ListBox::addItem(const std::string& text, int index) {
    touch();
    if (index < 0 || index > static_cast<int>(state_.items.size()))
        throw RuntimeError(kInvalidCall, "Invalid procedure call or argument");
    insertAt(text, index);
}

void ListBox::removeItem(int index) {
    touch();
    checkIndex(index);
    auto& items = state_.items.edit();
    items.erase(items.begin() + index);
    const int count = static_cast<int>(items.size());
    if (state_.listIndex == index) {
        // A single-selection list loses its highlight with the entry; a
        // multi-selection list keeps its caret at that position.
        if (!multi_)
            state_.listIndex = -1;
        else if (state_.listIndex >= count)
            state_.listIndex = count - 1;
    } else if (state_.listIndex > index) {
        --state_.listIndex;
    }
    changed(Prop::Items);
}

void ListBox::removeItems(std::vector<int> indices) {
    touch();
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    if (indices.empty())
        return;
    checkIndex(indices.front());
    checkIndex(indices.back());
    eraseAscending(indices);
    const int count = static_cast<int>(state_.items.size());
    const int highlighted = state_.listIndex;
    if (highlighted >= 0) {
        const auto before = std::lower_bound(indices.begin(), indices.end(), highlighted);
        const int shifted = highlighted - static_cast<int>(before - indices.begin());
        if (before == indices.end() || *before != highlighted)
            state_.listIndex = shifted;
        else if (!multi_)
            // A single-selection list loses its highlight with the entry.
            state_.listIndex = -1;
        else
            // A multi-selection list keeps its caret at that position, on
            // the next entry that stays, or on the last one.
            state_.listIndex = std::min(shifted, count - 1);
    }
    changed(Prop::Items);
}

void ListBox::removeInTurn(const std::vector<int>& positions, bool highlightEach) {
    touch();
    if (positions.empty())
        return;
    const int n = static_cast<int>(state_.items.size());
    // The entries still there as a Fenwick tree of ones, so that the entry
    // at a position of the shortened list is found in logarithmic time.
    std::vector<int> left(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i)
        left[static_cast<std::size_t>(i)] = i & -i;
    int topStep = 1;
    while (topStep * 2 <= n)
        topStep *= 2;
    std::vector<int> gone;
    gone.reserve(positions.size());
    std::vector<PassedHighlight> passed;
    int highlight = state_.listIndex;
    int count = n;
    for (const int position : positions) {
        if (position < 0 || position >= count)
            throw RuntimeError(kInvalidValue, "Invalid property array index");
        int index = 0;
        int before = position;
        for (int step = topStep; step > 0; step /= 2) {
            const int next = index + step;
            if (next <= n && left[static_cast<std::size_t>(next)] <= before) {
                index = next;
                before -= left[static_cast<std::size_t>(next)];
            }
        }
        for (int i = index + 1; i <= n; i += i & -i)
            --left[static_cast<std::size_t>(i)];
        gone.push_back(index);
        if (highlightEach) {
            highlight = position;
            passed.push_back({position, count});
        }
        --count;
        if (highlight == position)
            highlight = multi_ ? std::min(highlight, count - 1) : -1;
        else if (highlight > position)
            --highlight;
        if (highlight >= 0)
            passed.push_back({highlight, count});
    }
    std::sort(gone.begin(), gone.end());
    eraseAscending(gone);
    state_.listIndex = highlight;
    state_.passedHighlights = std::move(passed);
    changed(Prop::Items);
    state_.passedHighlights.clear();
}

void ListBox::eraseAscending(const std::vector<int>& indices) {
    auto& items = state_.items.edit();
    std::size_t kept = 0;
    auto next = indices.begin();
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (next != indices.end() && *next == static_cast<int>(i)) {
            ++next;
            continue;
        }
        if (kept != i)
            items[kept] = std::move(items[i]);
        ++kept;
    }
    items.resize(kept);
}

void ListBox::clear() {
    touch();
    state_.items = {};
    state_.listIndex = -1;
    changed(Prop::Items);
}

void ListBox::setItems(std::vector<ListItem> items) {
    state_.items = std::move(items);
    state_.listIndex = -1;
    changed(Prop::Items);
}

void ListBox::setListing(const std::vector<platform::ListedName>& names,
                         const std::string& folder) {
    std::vector<ListItem> items;
    items.reserve(names.size());
    for (const auto& n : names)
        items.push_back(ListItem{folder.empty() ? n.shown : platform::joinPath(folder, n.shown),
                                 false, n.onDisk});
    setItems(std::move(items));
}

std::string ListBox::onDiskName(int index) const {
    touch();
    if (index < 0 || index >= static_cast<int>(state_.items.size()))
        return {};
    return state_.items[static_cast<std::size_t>(index)].onDisk;
}

std::string ListBox::list(int index) const {
    touch();
    if (index < 0 || index >= static_cast<int>(state_.items.size()))
        return {};
    return state_.items[static_cast<std::size_t>(index)].text;
}

int ListBox::listCount() const {
    touch();
    return static_cast<int>(state_.items.size());
}

int ListBox::listIndex() const {
    touch();
    return state_.listIndex;
}

void ListBox::setListIndex(int index) {
    touch();
    if (index != -1)
        checkIndex(index);
    state_.listIndex = index;
    changed(Prop::ListIndex);
    raise(onClick);
}

std::string ListBox::text() const {
    touch();
    return list(state_.listIndex);
}

bool ListBox::selected(int index) const {
    touch();
    checkIndex(index);
    if (!multi_)
        return index == state_.listIndex;
    return state_.items[static_cast<std::size_t>(index)].selected;
}

void ListBox::setSelected(int index, bool on) {
    touch();
    checkIndex(index);
    if (!multi_) {
        if (on)
            setListIndex(index);
        else if (state_.listIndex == index)
            setListIndex(-1);
        return;
    }
    state_.items.edit()[static_cast<std::size_t>(index)].selected = on;
    changed(Prop::Selection);
}

int ListBox::selCount() const {
    touch();
    if (!multi_)
        return state_.listIndex >= 0 ? 1 : 0;
    return static_cast<int>(std::count_if(state_.items.begin(), state_.items.end(),
                                          [](const ListItem& i) { return i.selected; }));
}

void ListBox::userClickItem(int index) {
    window().app().userAction([&] {
        if (!acceptsInput() || index < 0 || index >= static_cast<int>(state_.items.size()))
            return;
        window().app().setFocus(this);
        if (!window().isLoaded())
            return;
        if (multi_) {
            auto& item = state_.items.edit()[static_cast<std::size_t>(index)];
            item.selected = !item.selected;
            state_.listIndex = index;
            changed(Prop::Selection);
            changed(Prop::ListIndex);
            raise(onClick);
        } else {
            setListIndex(index);
        }
    });
}

void ListBox::userHighlight(int index) {
    window().app().userAction([&] {
        if (!acceptsInput() || index < -1 || index >= static_cast<int>(state_.items.size()))
            return;
        window().app().setFocus(this);
        if (!window().isLoaded())
            return;
        setListIndex(index);
    });
}

ComboBox::ComboBox(Window& w, std::string name, Control* parent)
    : Control(w, std::move(name), ControlKind::ComboBox, parent) {
    state_.backColor = Color{102, 0, 0};
}

void ComboBox::addItem(const std::string& text) {
    touch();
    state_.items.edit().push_back(ListItem{text, false, {}});
    changed(Prop::Items);
}

void ComboBox::clear() {
    touch();
    state_.items = {};
    state_.listIndex = -1;
    changed(Prop::Items);
}

std::string ComboBox::list(int index) const {
    touch();
    if (index < 0 || index >= static_cast<int>(state_.items.size()))
        return {};
    return state_.items[static_cast<std::size_t>(index)].text;
}

int ComboBox::listCount() const {
    touch();
    return static_cast<int>(state_.items.size());
}

std::string ComboBox::text() const {
    touch();
    return state_.text;
}

void ComboBox::setText(const std::string& t) {
    touch();
    state_.text = t;
    changed(Prop::Text);
}

void ComboBox::userChoose(int index) {
    window().app().userAction([&] {
        if (!acceptsInput() || index < 0 || index >= static_cast<int>(state_.items.size()))
            return;
        window().app().setFocus(this);
        if (!window().isLoaded())
            return;
        state_.listIndex = index;
        state_.text = state_.items[static_cast<std::size_t>(index)].text;
        changed(Prop::Text);
        raise(onClick);
    });
}

void ComboBox::userType(const std::string& newText) {
    window().app().userAction([&] {
        if (!acceptsInput())
            return;
        window().app().setFocus(this);
        if (!window().isLoaded())
            return;
        state_.text = newText;
        changed(Prop::Text);
        raise(onChange);
    });
}

FileListBox::FileListBox(Window& w, std::string name, Control* parent)
    : ListBox(w, std::move(name), ControlKind::FileListBox, parent) {
    state_.pattern = "*.*";
}

std::string FileListBox::path() const {
    touch();
    return state_.path;
}

void FileListBox::setPath(const std::string& folder) {
    touch();
    auto names = window().app().services().files.listFiles(folder, state_.pattern);
    if (!names)
        throw RuntimeError(kPathNotFound, "Path not found");
    state_.path = folder;
    setListing(*names);
}

std::string FileListBox::pattern() const {
    touch();
    return state_.pattern;
}

void FileListBox::setPattern(const std::string& pattern) {
    touch();
    state_.pattern = pattern;
    if (!state_.path.empty())
        refresh();
}

void FileListBox::refresh() {
    touch();
    const auto names = window().app().services().files.listFiles(state_.path, state_.pattern);
    setListing(names ? *names : std::vector<platform::ListedName>{});
}

DirListBox::DirListBox(Window& w, std::string name, Control* parent)
    : ListBox(w, std::move(name), ControlKind::DirListBox, parent) {}

std::string DirListBox::path() const {
    touch();
    return state_.path;
}

void DirListBox::setPath(const std::string& folder) {
    touch();
    auto names = window().app().services().files.listFolders(folder);
    if (!names)
        throw RuntimeError(kPathNotFound, "Path not found");
    state_.path = folder;
    setListing(*names, folder);
}

} // namespace ui
