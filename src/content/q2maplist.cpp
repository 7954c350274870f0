#include "content/q2maplist.h"

#include <string>
#include <vector>

#include "common/DataFolder.h"
#include "common/HoverPair.h"
#include "common/SlashList.h"
#include "common/TabStrip.h"
#include "common/WriteFailure.h"
#include "content/ListFiles.h"
#include "shell/Artwork.h"
#include "shell/Help.h"
#include "shell/Q2M.h"
#include "shell/gfx.h"
#include "ui/Application.h"
#include "ui/Errors.h"

namespace content {

namespace {

constexpr const char* kExtension = ".map";
constexpr int kPageWidth = 4455;
constexpr int kPageHeight = 3195;
constexpr ui::Color kBoxBack{128, 0, 0};

bool isBlank(const std::string& s) {
    return s.find_first_not_of(' ') == std::string::npos;
}

// Why a typed name cannot name a saved list in the data folder, or empty.
std::string nameProblem(const std::string& name) {
    if (isBlank(name))
        return "The name of the map list is empty.";
    if (name.find_first_of("/\\") != std::string::npos || name == "." || name == "..")
        return "The name \"" + name +
               "\" cannot be used for a map list: it must not hold \"/\" or \"\\\", and it "
               "must not be \".\" or \"..\".";
    return {};
}

} // namespace

q2maplist::q2maplist(ui::Application& app)
    : ui::Window(app, "q2maplist", "Load/Save/Delete Maplist", 4650, 3915) {
    design();
    bindHandlers();
}

void q2maplist::design() {
    common::TabStrip tabs = tabStrip();
    tabs.place(
        150, {&Label1, &Label3, &Label4},
        {shell::art::kMapListStrip1, shell::art::kMapListStrip2, shell::art::kMapListStrip3});
    tabs.placePages(kPageWidth, kPageHeight, {&Image11, &Image3, &Image6});
    ui::Font titleFont;
    titleFont.bold = true;
    const struct {
        ui::Label& title;
        const char* text;
        int left;
    } titles[] = {{Label6, "Load", 0}, {Label7, "Save", 1440}, {Label9, "Delete", 2880}};
    for (const auto& t : titles) {
        // The title sits a little lower than its tab, so that its one line
        // stands in the middle of the strip.
        t.title.place(t.left, 105, 1455, 270);
        t.title.setCaption(t.text);
        t.title.setFont(titleFont);
        t.title.setForeColor(ui::kBlack);
        t.title.setAlignment(ui::Align::Center);
    }

    File1.place(360, 240, 3735, 1815);
    Text1.place(360, 240, 3735, 315);
    Text1.setText("maplist1");
    File1b.place(360, 660, 3735, 1395);
    File1c.place(360, 240, 3735, 1815);
    for (ui::FileListBox* files : {&File1, &File1b, &File1c}) {
        files->setPattern("*.map");
        files->setBackColor(kBoxBack);
    }
    Text1.setBackColor(kBoxBack);

    for (ui::Image* button : {&Image9, &Image10, &Image2, &Image1, &Image4, &Image5})
        button->place(1507, 2235, 1440, 780);
    for (ui::Image* lit : {&Image10, &Image1, &Image5})
        lit->setVisible(false);
}

void q2maplist::bindHandlers() {
    Label1.onClick = [this] { selectTab(0); };
    Label3.onClick = [this] { selectTab(1); };
    Label4.onClick = [this] { selectTab(2); };

    Image10.onClick = [this] {
        if (!File1.fileName().empty())
            loadlist();
        else
            unload();
    };
    for (ui::Image* save : {&Image1, &Image2}) {
        save->onClick = [this] {
            if (!Text1.text().empty())
                savelist();
            else
                unload();
        };
    }
    Image5.onClick = [this] {
        if (!File1c.fileName().empty())
            dellist();
        else
            unload();
    };
    File1b.onClick = [this] {
        const std::string name = File1b.fileName();
        Text1.setText(name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string());
    };

    common::HoverPair(Image9, Image10).bind({&File1, &Image11});
    common::HoverPair(Image2, Image1).bind({&Image3});
    common::HoverPair(Image4, Image5).bind({&File1c, &Image6});
    // The page backgrounds take no clicks: nothing is loaded or deleted
    // that was not chosen on the page showing.
}

common::TabStrip q2maplist::tabStrip() {
    return {Picture2, {&mLoad, &mSave, &mDelMP}, {&leiste1, &leiste2, &leiste3}};
}

void q2maplist::selectTab(int tab) {
    tabStrip().select(tab);
    Label6.setVisible(tab == 0);
    Label7.setVisible(tab == 1);
    Label9.setVisible(tab == 2);
}

void q2maplist::Form_Load() {
    auto& fs = app().services().files;
    const std::string folder = common::dataFolder(fs);
    for (ui::FileListBox* files : {&File1, &File1b, &File1c})
        ui::skip([&] { files->setPath(folder); });
    const std::string background = app().get<shell::Help>().Image1.picture();
    for (ui::Image* page : {&Image11, &Image3, &Image6})
        page->setPicture(background);
    const shell::gfx& store = app().get<shell::gfx>();
    Image9.setPicture(store.load0.picture());
    Image10.setPicture(store.load1.picture());
    Image2.setPicture(store.save0.picture());
    Image1.setPicture(store.save1.picture());
    Image4.setPicture(store.delete0.picture());
    Image5.setPicture(store.delete1.picture());
}

void q2maplist::dellist() {
    auto& fs = app().services().files;
    // A file that has gone meanwhile is no error.
    fs.removeFile(common::dataFile(fs, File1c.fileNameOnDisk(File1c.listIndex())));
    refreshLists();
}

void q2maplist::refreshLists() {
    for (ui::FileListBox* files : {&File1, &File1b, &File1c})
        ui::skip([&] { files->refresh(); });
}

void q2maplist::savelist() {
    auto& services = app().services();
    const std::string name = Text1.text();
    if (const std::string problem = nameProblem(name); !problem.empty()) {
        services.messages.show(problem + " Nothing was saved.");
        return;
    }
    auto& catalogue = app().get<shell::Q2M>().List1;
    const std::string line = common::slashListLine(common::entriesOf(catalogue));
    const std::vector<std::string> entries = common::parseSlashList(line);
    catalogue.clear();
    catalogue.addItems(entries);
    // A list that cannot be written leaves the window open for another
    // name or another try.
    // The name of a file chosen in the list saves over that file as it is
    // on disk.
    std::string fileName = name + kExtension;
    if (const int chosen = File1b.listIndex(); chosen >= 0 && File1b.list(chosen) == fileName)
        fileName = File1b.fileNameOnDisk(chosen);
    if (!common::writeListOrTell(services, common::dataFile(services.files, fileName), entries,
                                 "The map list was not saved."))
        return;
    unload();
}

void q2maplist::loadlist() {
    auto& services = app().services();
    const auto lines = services.files.readLines(
        platform::joinPath(File1.path(), File1.fileNameOnDisk(File1.listIndex())));
    if (!lines || lines->empty()) {
        const std::string path = platform::joinPath(File1.path(), File1.fileName());
        services.messages.show("Torvel Arvenix Pro can't read the map list " + path +
                               ". The map list is kept as it was.");
        unload();
        return;
    }
    auto& main = app().get<shell::Q2M>();
    main.List1.clear();
    main.List1.addItems(common::parseSlashList(lines->front()));
    main.refreshAvailableMaps();
    main.Command3.setEnabled(false);
    maplist();
}

void q2maplist::maplist() {
    writeMapsFile(app(), common::entriesOf(app().get<shell::Q2M>().List1));
    unload();
}

} // namespace content
