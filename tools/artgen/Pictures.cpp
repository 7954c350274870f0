#include "Pictures.h"

#include "Painting.h"

namespace artgen {

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 52;
constexpr int kCloseHeight = 53;
constexpr int kStripWidth = 290;
constexpr int kStripHeight = 25;
constexpr int kTabWidth = 96;
constexpr int kTabHeight = 25;

void addButtonPair(std::vector<Picture>& all, const QString& name, const QString& text,
                   int height = kButtonHeight) {
    all.push_back({name + "0", [=] { return button(kButtonWidth, height, text, false); }});
    all.push_back({name + "1", [=] { return button(kButtonWidth, height, text, true); }});
}

void addStrips(std::vector<Picture>& all, const QString& prefix,
               const std::array<QString, 3>& texts) {
    for (int i = 0; i < 3; ++i) {
        all.push_back({prefix + "_strip" + QString::number(i + 1),
                       [=] { return strip(kStripWidth, kStripHeight, texts, i); }});
    }
}

} // namespace

std::vector<Picture> allPictures() {
    std::vector<Picture> all;
    addButtonPair(all, "accept", "Accept");
    addButtonPair(all, "delete", "Delete");
    addButtonPair(all, "load", "Load");
    addButtonPair(all, "save", "Save");
    addButtonPair(all, "close", "Close", kCloseHeight);
    addButtonPair(all, "launch", "Launch");
    all.push_back({"tab_single_on", [] { return tab(kTabWidth, kTabHeight, "Single map", true); }});
    all.push_back(
        {"tab_single_off", [] { return tab(kTabWidth, kTabHeight, "Single map", false); }});
    all.push_back({"tab_cycle_on", [] { return tab(kTabWidth, kTabHeight, "Map cycle", true); }});
    all.push_back({"tab_cycle_off", [] { return tab(kTabWidth, kTabHeight, "Map cycle", false); }});
    addStrips(all, "map", {"Single", "Detect All", "Detect New"});
    addStrips(all, "bot", {"Add", "Detect All", "Detect New"});
    for (int i = 0; i < 3; ++i) {
        all.push_back(
            {"maplist_strip" + QString::number(i + 1), [=] {
                 return titleStrip(kStripWidth, kStripHeight, {"Load", "Save", "Delete"}, i);
             }});
    }
    all.push_back({"background", [] { return background(256, 204); }});
    all.push_back({"bot_decoration", [] { return botDecoration(64); }});
    all.push_back({"icon", [] { return icon(32); }});
    return all;
}

} // namespace artgen
