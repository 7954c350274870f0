#pragma once
// List boxes and editable combo boxes.
//
// A sorted list orders its entries by their text without regard to letter
// case; entries equal in that order stand in exact-text order, so identical
// entries always lie side by side. An entry inserted at a position stays
// there. A multi-selection list keeps its set of selected entries apart from
// its highlighted entry (ListIndex); in a single-selection list the
// highlighted entry is the selection.

#include <string>
#include <vector>

#include "ui/Control.h"

namespace platform {
struct ListedName;
}

namespace ui {

class ListBox : public Control {
  public:
    enum class Selection { Single, Multiple };

    ListBox(Window& w, std::string name, bool sorted, Selection selection = Selection::Single,
            Control* parent = nullptr);
    bool focusable() const override { return true; }
    bool sorted() const { return sorted_; }
    bool multiSelect() const { return multi_; }

    void addItem(const std::string& text);
    // Adds many entries at once, with the same result as adding them one by
    // one: a sorted list sorts the new entries once and merges them in. The
    // list changes once.
    void addItems(std::vector<std::string> texts);
    // addItems for entries made already (a list file read whole): only their
    // texts count, and entries of a sorted list that come in order stay
    // where they are.
    void addEntries(std::vector<ListItem> entries);
    // Puts these entries in place of all entries, with the same result as
    // Clear followed by adding them one by one: a sorted list sorts them
    // (entries that tie keep their order), no entry stays highlighted or
    // selected. The list changes once.
    void replaceItems(std::vector<std::string> texts);
    // replaceItems with the texts of another list's entries, in its order;
    // entries a sorted list of the same order holds are taken as they stand.
    void replaceWithEntriesOf(const ListBox& other);
    // Inserts at a position from 0 to ListCount; throws RuntimeError otherwise.
    void addItem(const std::string& text, int index);
    // Throws RuntimeError for an index outside the list.
    void removeItem(int index);
    // Removes the entries at these indices (positions before the removal; an
    // index named twice counts once), with the same result as removing them
    // one at a time: selected entries that stay keep their selection, and the
    // highlight follows removeItem's rule. The list changes once. Throws
    // RuntimeError, removing nothing, when an index lies outside the list.
    void removeItems(std::vector<int> indices);
    // Removes entries one at a time, in turn, each at its position in the
    // list as it stands at that turn; with `highlightEach` every one is
    // highlighted first (no click is raised). The outcome is that of the
    // single steps, highlight included (removeItem's rule), in one change of
    // the list, whose announcement names the highlights the steps went
    // through. Throws RuntimeError, removing nothing, when a position lies
    // outside the list at its turn.
    void removeInTurn(const std::vector<int>& positions, bool highlightEach);
    void clear();
    // Text of entry i; the empty text for a position outside the list.
    std::string list(int index) const;
    int listCount() const;
    int listIndex() const;
    // -1 removes the highlight. Raises the click event. Throws RuntimeError
    // for an index outside -1 .. ListCount-1.
    void setListIndex(int index);
    // Text of the highlighted entry, empty when none.
    std::string text() const;
    bool selected(int index) const;
    void setSelected(int index, bool on);
    int selCount() const;

    // The user clicks entry i: a single-selection list highlights it, a
    // multi-selection list toggles its selection and highlights it.
    void userClickItem(int index);
    // The user moves the highlight with the keyboard (no change of selection
    // in a multi-selection list).
    void userHighlight(int index);

    // Position at which a sorted list puts `text`.
    static bool sortsBefore(const std::string& a, const std::string& b);
    // Entries (texts only) in the order addEntries gives them in an empty
    // sorted list. Touches no list, so any thread may sort ahead of time.
    static std::vector<ListItem> inSortedOrder(std::vector<ListItem> entries);

  protected:
    ListBox(Window& w, std::string name, ControlKind kind, Control* parent);
    void checkIndex(int index) const;
    void insertAt(const std::string& text, int index);
    void setItems(std::vector<ListItem> items);
    // The entries of a folder listing, each keeping its name on disk; an
    // entry's text is its name, or its path in `folder` when one is given.
    void setListing(const std::vector<platform::ListedName>& names, const std::string& folder = {});
    // The name on disk of entry i of a listing; empty outside the list.
    std::string onDiskName(int index) const;
    // Merges entries, already in sorted order, into the sorted entries.
    void mergeSorted(std::vector<ListItem> added);

  private:
    // Takes out the entries at these indices, ascending and each once.
    void eraseAscending(const std::vector<int>& indices);

    bool sorted_;
    bool multi_;
};

// Editable combo box: its click event is raised only when the user chooses an
// item of its list; setting its text from code, or typing, raises none.
class ComboBox : public Control {
  public:
    ComboBox(Window& w, std::string name, Control* parent = nullptr);
    bool focusable() const override { return true; }
    void addItem(const std::string& text);
    void clear();
    std::string list(int index) const;
    int listCount() const;
    std::string text() const;
    void setText(const std::string& t);

    void userChoose(int index);
    void userType(const std::string& newText);
};

// Lists the files of a folder that match a pattern, as they were when the
// path was set or Refresh was last called.
class FileListBox : public ListBox {
  public:
    FileListBox(Window& w, std::string name, Control* parent = nullptr);
    std::string path() const;
    // Throws RuntimeError when the folder cannot be listed.
    void setPath(const std::string& folder);
    std::string pattern() const;
    void setPattern(const std::string& pattern);
    void refresh();
    // The highlighted file name.
    std::string fileName() const { return text(); }
    // The name of file i as it is on disk (the list shows it decoded).
    std::string fileNameOnDisk(int index) const { return onDiskName(index); }
};

// Lists the sub-folders of a folder, as full paths.
class DirListBox : public ListBox {
  public:
    DirListBox(Window& w, std::string name, Control* parent = nullptr);
    std::string path() const;
    // Throws RuntimeError when the folder does not exist.
    void setPath(const std::string& folder);
    // The name of folder i as it is on disk (the list shows its path with
    // the name decoded).
    std::string folderNameOnDisk(int index) const { return onDiskName(index); }
};

} // namespace ui
