#pragma once
// Names of the pictures and documents built into the program. The core
// passes these names around; the view turns them into real pictures.

namespace windows::art {

inline constexpr const char* kAcceptPlain = "accept0";
inline constexpr const char* kAcceptLit = "accept1";
inline constexpr const char* kDeletePlain = "delete0";
inline constexpr const char* kDeleteLit = "delete1";
inline constexpr const char* kLoadPlain = "load0";
inline constexpr const char* kLoadLit = "load1";
inline constexpr const char* kSavePlain = "save0";
inline constexpr const char* kSaveLit = "save1";
inline constexpr const char* kClosePlain = "close0";
inline constexpr const char* kCloseLit = "close1";
inline constexpr const char* kBackground = "background";
inline constexpr const char* kLaunchPlain = "launch0";
inline constexpr const char* kLaunchLit = "launch1";
inline constexpr const char* kTabSingleOn = "tab_single_on";
inline constexpr const char* kTabSingleOff = "tab_single_off";
inline constexpr const char* kTabCycleOn = "tab_cycle_on";
inline constexpr const char* kTabCycleOff = "tab_cycle_off";
// Strip pictures of the three-tab windows: <window>_strip1..3.
inline constexpr const char* kMapStripSingle = "map_strip1";
inline constexpr const char* kMapStripDetectAll = "map_strip2";
inline constexpr const char* kMapStripDetectNew = "map_strip3";
inline constexpr const char* kBotStripSingle = "bot_strip1";
inline constexpr const char* kBotStripDetectAll = "bot_strip2";
inline constexpr const char* kBotStripDetectNew = "bot_strip3";
inline constexpr const char* kMapListStripLoad = "maplist_strip1";
inline constexpr const char* kMapListStripSave = "maplist_strip2";
inline constexpr const char* kMapListStripDelete = "maplist_strip3";
// Decoration of the bot roster window.
inline constexpr const char* kBotDecoration = "bot_decoration";

inline constexpr const char* kReadme = "readme.htm";
inline constexpr const char* kLinkPage = "launcher.htm";

} // namespace windows::art
