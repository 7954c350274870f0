#pragma once
// The key codes the windows' key-down handlers receive are those of the
// game's own platform (Enter 13, letters 65-90, digits 48-57, ...). This maps
// a Qt key event to that code.

class QKeyEvent;

namespace qtview {

// 0 for a key that has no such code.
int windowsKeyCode(int qtKey, bool keypad);
int windowsKeyCode(const QKeyEvent& e);

} // namespace qtview
