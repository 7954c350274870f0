#pragma once
// Plain value types of the windowing runtime. Positions and sizes are twips:
// 15 twips make one pixel.

#include <cstdint>
#include <string>

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Color&) const = default;
};

inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kRed{255, 0, 0};

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

enum class Align { Left, Right, Center };

enum class ControlKind {
    Label,
    TextBox,
    CheckBox,
    CommandButton,
    ListBox,
    ComboBox,
    Image,
    PictureBox,
    Frame,
    Shape,
    FileListBox,
    DirListBox,
    OleContainer,
};

// What changed on a control; the view refreshes that aspect.
enum class Prop {
    All,
    Visible,
    Enabled,
    Geometry,
    Caption,
    Text,
    Value,
    Items,
    ListIndex,
    Selection,
    Picture,
    Colors,
    Font,
    ToolTip,
};

// Shown: the window came on screen. Raised: it was shown again while on
// screen, and is to come to the front (it may lie under another window, or
// have been minimised by the desktop).
enum class WindowEvent { Loaded, Unloaded, Shown, Raised, Hidden, Caption };

enum class BorderStyle { FixedSingle, FixedDialog };

} // namespace ui
