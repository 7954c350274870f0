#include "content/q2bot.h"

#include <string>
#include <vector>

#include "common/BotFile.h"
#include "common/DataFolder.h"
#include "common/DuplicatePass.h"
#include "common/HoverPair.h"
#include "common/NumberText.h"
#include "common/ProgressBar.h"
#include "common/SlashList.h"
#include "common/TabStrip.h"
#include "content/PackageDetection.h"
#include "content/q3bots.h"
#include "platform/FileSystem.h"
#include "shell/Artwork.h"
#include "shell/Help.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace content {

namespace {

// Every page lies at the same place, under the strip.
constexpr int kPageWidth = 4455;
constexpr int kPageHeight = 2055;
// The action button, centred near the foot of each page.
constexpr int kButtonLeft = (kPageWidth - 1440) / 2;
constexpr int kButtonTop = 1245;
// The progress bar of the two detection pages.
constexpr int kTrackLeft = (kPageWidth - 3375) / 2;
constexpr int kTrackTop = 900;
constexpr ui::Color kFieldBack{102, 0, 0};

constexpr const char* kSlashInName =
    "A bot name can't hold the character \"/\": the bot list keeps its entries apart with "
    "it. Please type the name without \"/\".";

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

void placeProgress(ui::Label& track, ui::Label& fill, ui::Shape& frame, ui::Label& percent) {
    common::ProgressBar(track, fill, percent).place(kTrackLeft, kTrackTop, 3375, 55);
    frame.place(kTrackLeft, kTrackTop, 3375, 255);
    frame.setForeColor(ui::Color{128, 128, 128});
}

bool blankName(const std::string& name) {
    return name.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

std::string q2bot::addText() {
    return blanks(17) + "Please fill in the name of the" + blanks(20) +
           "bot, its skill, team and msec delay";
}

q2bot::q2bot(ui::Application& app) : ui::Window(app, "q2bot", "Add bot", 4650, 2865) {
    design();
    bindHandlers();
}

void q2bot::design() {
    common::TabStrip tabs = tabStrip();
    tabs.place(150, {&Label1, &Label3, &Label4},
               {shell::art::kBotStrip1, shell::art::kBotStrip2, shell::art::kBotStrip3});
    tabs.placePages(kPageWidth, kPageHeight, {&Image1, &Image7, &Image11});

    // Add by name.
    // The widths make the runs of blanks break the texts into their lines.
    Label2.place(727, 165, 3000, 495);
    Label2.setCaption(addText());
    Shape1.place(180, 780, 4095, 435);
    Shape1.setForeColor(ui::Color{128, 128, 128});
    Text1.place(240, 840, 1815, 315);
    Text1.setText("Botname");
    const struct {
        ui::ComboBox& combo;
        int left;
        int width;
        const char* text;
    } combos[] = {
        {Combo3, 2160, 555, "1"}, {Combo1, 2775, 735, "red "}, {Combo2, 3570, 645, "0  "}};
    for (const auto& c : combos) {
        c.combo.place(c.left, 840, c.width, 315);
        c.combo.setText(c.text);
        c.combo.setBackColor(kFieldBack);
        c.combo.setForeColor(ui::kWhite);
    }

    // Detect All and Detect New.
    Label5.place(727, 45, 3000, 825);
    Label5.setCaption(detectAllText("Bot"));
    Label8.place(877, 45, 2700, 825);
    Label8.setCaption(detectNewText("Bot"));
    placeProgress(status1, status2, Shape2, status3);
    placeProgress(status1b, status2b, Shape3, status3b);

    for (ui::Image* button : {&Image2, &Image3, &Image5, &Image6, &Image9, &Image10})
        button->place(kButtonLeft, kButtonTop, 1440, 780);
    for (ui::Image* lit : {&Image3, &Image6, &Image10})
        lit->setVisible(false);

    Dir1.place(0, 0, 1215, 390);
    Dir1.setVisible(false);
    File1.place(0, 480, 1215, 390);
    File1.setPattern("*.pk3");
    File1.setVisible(false);
    mDedOldList.place(1320, 0, 1215, 390);
    mDedOldList.setVisible(false);
}

void q2bot::bindHandlers() {
    Label1.onClick = [this] { showPage(0); };
    Label3.onClick = [this] { showPage(1); };
    Label4.onClick = [this] { Label4_Click(); };

    Image3.onClick = [this] { add_Click(); };
    Text1.onKeyDown = [this](int key) {
        if (key == 13)
            add_Click();
    };
    Image5.onClick = [this] { detect_Click(false); };
    Image6.onClick = [this] { detect_Click(false); };
    Image9.onClick = [this] { detect_Click(true); };
    Image10.onClick = [this] { detect_Click(true); };

    // The pointer over a plain picture lights it; the areas around reset it.
    common::HoverPair(Image2, Image3).bind({&Image1, &Label2});
    common::HoverPair(Image5, Image6).bind({&Image7, &status1, &status3});
    common::HoverPair(Image9, Image10).bind({&Image11, &status1b, &status3b});
}

void q2bot::Form_Load() {
    // Every failing statement of the load step is passed over.
    const std::string wd = app().services().files.workingDirectory();
    ui::skip([&] { Dir1.setPath(platform::joinPath(wd, "baseq3")); });
    ui::skip([&] { File1.setPath(Dir1.path()); });

    const std::string background = app().get<shell::Help>().Image1.picture();
    for (ui::Image* page : {&Image1, &Image7, &Image11})
        page->setPicture(background);
    const shell::gfx& store = app().get<shell::gfx>();
    common::HoverPair(Image2, Image3).takePictures(store.accept0, store.accept1);
    common::HoverPair(Image5, Image6).takePictures(store.accept0, store.accept1);
    common::HoverPair(Image9, Image10).takePictures(store.accept0, store.accept1);

    addBotChoices(Combo3, Combo1, Combo2);
    // The fifth skill is the one the window opens with.
    Combo3.setText(Combo3.list(4));
}

void q2bot::Form_MouseMove() {
    common::HoverPair(Image5, Image6).reset();
}

common::TabStrip q2bot::tabStrip() {
    return {Picture2, {&mSingle, &mDedAll, &mDedNew}, {&leiste1, &leiste2, &leiste3}};
}

void q2bot::showPage(int page) {
    tabStrip().select(page);
}

void q2bot::Label4_Click() {
    showPage(2);
    // The packages of the last detection; a missing file adds nothing. The
    // list is not emptied first.
    const auto& files = app().services().files;
    common::appendSlashListFile(files, common::dataFile(files, common::kOldBotsFile), mDedOldList);
}

void q2bot::add_Click() {
    // A blank name adds nothing and leaves the roster as it is, duplicates
    // included.
    if (blankName(Text1.text())) {
        unload();
        return;
    }
    // "/" separates the entries of bots.tvd: such a name would come back as
    // two bots. The window stays open so that the name can be corrected.
    if (Text1.text().find('/') != std::string::npos) {
        app().services().messages.show(kSlashInName);
        return;
    }
    takeRoster();
    doppelte_Bots();
    botlist2();
    app().get<q3bots>().botinfo();
    unload();
}

void q2bot::detect_Click(bool onlyNew) {
    const platform::WriteBatch batch(app().services().files);
    if (!packageFolderReadable(
            app(), File1,
            "The bot list and the packages of the last detection stay as they were.")) {
        unload();
        return;
    }
    if (onlyNew) {
        takeRoster();
        autobot2();
    } else {
        autobot();
    }
    doppelte_Bots();
    botlist2b();
    app().get<q3bots>().botinfo();
    unload();
}

void q2bot::takeRoster() {
    if (app().get<q3bots>().List3.listCount() == 0)
        app().get<shell::Q2M>().prod7();
}

bool q2bot::saveRoster(bool xWhenNone, const std::string& alsoLost) {
    auto& services = app().services();
    const auto whenNone = xWhenNone ? common::NoSelection::X : common::NoSelection::EmptyLine;
    if (common::writeBotFile(services.files, app().get<q3bots>().List3, whenNone))
        return true;
    services.messages.show(common::botFileWriteFailedMessage(services.files, alsoLost));
    return false;
}

void q2bot::botlist2() {
    // An empty or blank name makes no bot; a name with "/" would split the
    // roster line in two.
    const std::string name = Text1.text();
    if (blankName(name) || name.find('/') != std::string::npos)
        return;
    ui::ListBox& roster = app().get<q3bots>().List3;
    // The selection before the new entry comes in.
    std::vector<int> selected;
    std::vector<std::string> before;
    const int count = roster.listCount();
    for (int i = 0; i < count; ++i) {
        before.push_back(roster.list(i));
        if (roster.selected(i))
            selected.push_back(i);
    }
    // The entry as typed and as the combos show, at its sorted place (after
    // any equal entries, so the first text that differs is the new one).
    const std::string entry =
        name + " - " + Combo3.text() + " - " + Combo1.text() + " - " + Combo2.text();
    roster.addItem(entry);
    int inserted = 0;
    while (inserted < count && roster.list(inserted) == before[static_cast<std::size_t>(inserted)])
        ++inserted;
    app().get<q3bots>().botinfo();
    // The same bots selected again: those after the new entry moved down.
    for (const int n : selected)
        roster.setSelected(n < inserted ? n : n + 1, true);
    saveRoster(false);
}

void q2bot::botlist2b() {
    app().get<q3bots>().botinfo();
    if (saveRoster(true, kPackagesNotRemembered))
        oldbotspk3();
}

void q2bot::doppelte_Bots() {
    q3bots& bots = app().get<q3bots>();
    // While the add page shows, an entry equal to the whole name box goes
    // too. The copy that stays takes over the selection of the one that
    // goes: a bot found again stays in the next game.
    const std::string nameBox = Text1.text();
    common::DuplicateRules rules;
    rules.typed = mSingle.visible() ? &nameBox : nullptr;
    rules.handOnSelection = true;
    bots.List3.listCount();
    bots.removeDuplicates(common::duplicatePass(bots.List3.state().items, rules));
}

} // namespace content
