// The duplicate passes of the map, bot and mod windows take their entries
// out in one step; on random lists they must leave exactly what the pass
// leaves when it removes one entry at a time, as below: each removal
// highlights its entry first (a click) where the window's pass does so.
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "windows/BotWindow.h"
#include "windows/MainWindow.h"
#include "windows/MapWindow.h"
#include "windows/ModWindow.h"
#include "windows/RosterWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;

namespace {

enum class Pass { Maps, Bots, Mods };

// The pass one entry at a time, on the list control itself.
void stepByStep(ui::ListBox& list, Pass pass, const std::string* typed) {
    const auto remove = [&](int i) {
        if (pass == Pass::Mods) {
            list.removeItem(i);
            return;
        }
        list.setListIndex(i);
        list.removeItem(list.listIndex());
    };
    const int n = list.listCount();
    for (int i = 0; i < n; ++i) {
        if (i >= list.listCount()) {
            const int last = list.listCount() - 1;
            if (typed != nullptr && last >= 0 && list.list(last) == *typed)
                remove(last);
            return;
        }
        if (list.list(i) == list.list(i + 1)) {
            if (pass == Pass::Bots && i + 1 < list.listCount() && list.selected(i))
                list.setSelected(i + 1, true);
            remove(i);
        }
        if (typed != nullptr && i < list.listCount() && list.list(i) == *typed)
            remove(i);
    }
}

struct Program {
    Program() { std::filesystem::create_directories(dir.data("")); }
    ui::ListBox& list(Pass pass) {
        if (pass == Pass::Bots)
            return l.get<windows::RosterWindow>().roster;
        auto& main = l.get<windows::MainWindow>();
        return pass == Pass::Maps ? main.mapList : main.modList;
    }
    // What the user can see of the list and of what its clicks show.
    std::vector<std::string> seen(Pass pass) {
        ui::ListBox& lb = list(pass);
        std::vector<std::string> out;
        for (int i = 0; i < lb.listCount(); ++i)
            out.push_back(lb.list(i) + (lb.selected(i) ? " *" : ""));
        out.push_back("highlight " + std::to_string(lb.listIndex()));
        auto& main = l.get<windows::MainWindow>();
        auto& roster = l.get<windows::RosterWindow>();
        for (const ui::Label* label :
             {&main.selectedMapTitle, &roster.editedName, &roster.selectedCount})
            out.push_back(label->caption());
        const std::optional<int> shown = roster.shownIndex();
        out.push_back(shown ? "shown " + std::to_string(*shown) : "shown none");
        for (const ui::ComboBox* box :
             {&roster.editedTeam, &roster.editedDelay, &roster.editedSkill})
            out.push_back(box->text());
        out.push_back(main.removeMapButton.enabled() ? "remove map on" : "remove map off");
        out.push_back(roster.removeButton.enabled() ? "remove bot on" : "remove bot off");
        return out;
    }
    GameDir dir;
    Launcher l{dir.path()};
};

} // namespace

TEST(DuplicatePass, oneStepLeavesWhatTheStepByStepPassLeaves) {
    const std::string anarki = "Anarki - 5 - red  - 0  ";
    const std::vector<std::string> texts = {"", "a", "A", anarki, "anarki - 5 - red  - 0  "};
    std::mt19937 rng(16);
    const auto pick = [&](std::size_t n) { return static_cast<int>(rng() % n); };
    Program reference;
    Program oneStep;
    oneStep.l.get<windows::MapWindow>().show();
    oneStep.l.get<windows::BotWindow>().show();
    for (int round = 0; round < 600; ++round) {
        const auto pass = static_cast<Pass>(round % 3);
        const int count = pick(10);
        std::vector<std::string> entries;
        for (int i = 0; i < count; ++i)
            entries.push_back(texts[static_cast<std::size_t>(pick(texts.size()))]);
        // The roster keeps an entry rewritten in place where it stood, so
        // its entries need not be in order.
        const bool inPlace = pass == Pass::Bots && pick(3) == 0;
        std::vector<int> places;
        for (int i = 0; i < count; ++i)
            places.push_back(inPlace ? pick(static_cast<std::size_t>(i) + 1) : -1);
        std::vector<int> selected;
        for (int i = 0; i < count; ++i) {
            if (pick(3) == 0)
                selected.push_back(i);
        }
        const int highlight = pick(static_cast<std::size_t>(count) + 1) - 1;
        const bool singlePage = pick(3) != 0;

        for (Program* p : {&reference, &oneStep}) {
            ui::ListBox& list = p->list(pass);
            list.clear();
            for (int i = 0; i < count; ++i) {
                const auto at = static_cast<std::size_t>(i);
                if (places[at] >= 0)
                    list.addItem(entries[at], places[at]);
                else
                    list.addItem(entries[at]);
            }
            if (pass == Pass::Bots) {
                for (const int i : selected)
                    list.setSelected(i, true);
            }
            if (highlight >= 0)
                list.setListIndex(highlight);
        }
        ASSERT_EQ(reference.seen(pass), oneStep.seen(pass));
        // Mostly a text of the list, often the last one.
        std::string typed = "Botname";
        if (count > 0 && pick(3) != 0)
            typed = reference.list(pass).list(pick(2) == 0 ? count - 1 : pick(count));
        const std::string when = "round " + std::to_string(round) + ": " +
                                 testing::PrintToString(reference.seen(pass)) + " typed \"" +
                                 typed + "\"" + (singlePage ? " on the add page" : "");

        if (pass == Pass::Mods) {
            stepByStep(reference.list(pass), pass, nullptr);
            oneStep.l.get<windows::ModWindow>().removeNeighbourDuplicates();
        } else if (pass == Pass::Maps) {
            auto& w = oneStep.l.get<windows::MapWindow>();
            (singlePage ? w.addByNameTab : w.detectAllTab).userClick();
            w.mapName.setText(typed);
            stepByStep(reference.list(pass), pass, singlePage ? &typed : nullptr);
            w.removeNeighbourDuplicates();
        } else {
            auto& w = oneStep.l.get<windows::BotWindow>();
            (singlePage ? w.addByNameTab : w.detectAllTab).userClick();
            w.botName.setText(typed);
            stepByStep(reference.list(pass), pass, singlePage ? &typed : nullptr);
            w.removeNeighbourDuplicates();
        }
        ASSERT_EQ(reference.seen(pass), oneStep.seen(pass)) << when;
    }
}
