#pragma once
// Names of the pictures and documents built into the program. The core
// passes these names around; the view turns them into real pictures.

namespace shell::art {

inline constexpr const char* kAccept0 = "accept0";
inline constexpr const char* kAccept1 = "accept1";
inline constexpr const char* kDelete0 = "delete0";
inline constexpr const char* kDelete1 = "delete1";
inline constexpr const char* kLoad0 = "load0";
inline constexpr const char* kLoad1 = "load1";
inline constexpr const char* kSave0 = "save0";
inline constexpr const char* kSave1 = "save1";
inline constexpr const char* kClose0 = "close0";
inline constexpr const char* kClose1 = "close1";
inline constexpr const char* kBackground = "background";
inline constexpr const char* kLaunch0 = "launch0";
inline constexpr const char* kLaunch1 = "launch1";
inline constexpr const char* kTabSingleOn = "tab_single_on";
inline constexpr const char* kTabSingleOff = "tab_single_off";
inline constexpr const char* kTabCycleOn = "tab_cycle_on";
inline constexpr const char* kTabCycleOff = "tab_cycle_off";
// Strip pictures of the three-tab windows: <window>_strip1..3.
inline constexpr const char* kMapStrip1 = "map_strip1";
inline constexpr const char* kMapStrip2 = "map_strip2";
inline constexpr const char* kMapStrip3 = "map_strip3";
inline constexpr const char* kBotStrip1 = "bot_strip1";
inline constexpr const char* kBotStrip2 = "bot_strip2";
inline constexpr const char* kBotStrip3 = "bot_strip3";
inline constexpr const char* kMapListStrip1 = "maplist_strip1";
inline constexpr const char* kMapListStrip2 = "maplist_strip2";
inline constexpr const char* kMapListStrip3 = "maplist_strip3";
// Decoration of the bot roster window.
inline constexpr const char* kBotDecoration = "bot_decoration";

inline constexpr const char* kReadme = "readme.htm";
inline constexpr const char* kLinkPage = "launcher.htm";

} // namespace shell::art
