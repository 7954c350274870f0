#pragma once
// The duplicate pass of the sorted catalogue lists (maps, mods, the bot
// roster), worked out on the entries in one go, so that a window removes
// what goes with one change of its list.
//
// The pass walks the list once, position i from 0 up to the count the list
// had at its start. Entry i goes when it equals entry i + 1 exactly (past
// the end of the list the text reads empty); the next entry then moves up
// to position i and is not compared again, so of three equal neighbours two
// stay. Where a typed text is given, entry i also goes when it equals that
// text. Once removals have shortened the list, the walk comes to a position
// past its end and stops there, with one last look at the last entry against
// the typed text.

#include <string>
#include <vector>

#include "ui/Control.h"

namespace windows {

struct DuplicateRules {
    // An entry equal to this text goes as well; none when null.
    const std::string* typed = nullptr;
    // A selected entry that goes because its neighbour equals it hands its
    // selection on to that neighbour (a multi-selection list).
    bool handOnSelection = false;
};

struct DuplicateRemoval {
    int index = 0;    // position in the list before the pass
    int position = 0; // position at the moment it goes
    int selected = 0; // selected entries at that moment, before it goes
};

struct DuplicatePass {
    // In the order the pass takes them out.
    std::vector<DuplicateRemoval> removals;
    // Entries that stay and take over a selection handed on to them
    // (positions before the pass).
    std::vector<int> newlySelected;

    // The positions of the entries that go, each at the moment it goes, in
    // turn (ListBox::removeInTurn).
    std::vector<int> positions() const;
};

DuplicatePass duplicatePass(const std::vector<ui::ListItem>& entries, const DuplicateRules& rules);

} // namespace windows
