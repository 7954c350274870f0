#include "windows/MapListsWindow.h"

#include <string>
#include <vector>

#include "data/DataFolder.h"
#include "data/ListFiles.h"
#include "data/SlashList.h"
#include "data/WriteFailure.h"
#include "ui/Application.h"
#include "ui/Errors.h"
#include "windows/Artwork.h"
#include "windows/ArtworkStore.h"
#include "windows/HelpWindow.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/TabStrip.h"

namespace windows {

namespace {

constexpr const char* kMapListExtension = ".map";
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

MapListsWindow::MapListsWindow(ui::Application& app)
    : ui::Window(app, "q2maplist", "Load/Save/Delete Maplist", 4650, 3915) {
    design();
    bindHandlers();
}

void MapListsWindow::design() {
    windows::TabStrip tabs = tabStrip();
    tabs.place(150, {&loadTab, &saveTab, &deleteTab},
               {windows::art::kMapListStripLoad, windows::art::kMapListStripSave,
                windows::art::kMapListStripDelete});
    tabs.placePages(kPageWidth, kPageHeight, {&loadBackground, &saveBackground, &deleteBackground});
    ui::Font titleFont;
    titleFont.bold = true;
    const struct {
        ui::Label& title;
        const char* text;
        int left;
    } titles[] = {{loadTitle, "Load", 0}, {saveTitle, "Save", 1440}, {deleteTitle, "Delete", 2880}};
    for (const auto& t : titles) {
        // The title sits a little lower than its tab, so that its one line
        // stands in the middle of the strip.
        t.title.place(t.left, 105, 1455, 270);
        t.title.setCaption(t.text);
        t.title.setFont(titleFont);
        t.title.setForeColor(ui::kBlack);
        t.title.setAlignment(ui::Align::Center);
    }

    loadPageFiles.place(360, 240, 3735, 1815);
    listName.place(360, 240, 3735, 315);
    listName.setText("maplist1");
    savePageFiles.place(360, 660, 3735, 1395);
    deletePageFiles.place(360, 240, 3735, 1815);
    for (ui::FileListBox* files : {&loadPageFiles, &savePageFiles, &deletePageFiles}) {
        files->setPattern(data::kMapListPattern);
        files->setBackColor(kBoxBack);
    }
    listName.setBackColor(kBoxBack);

    for (ui::Image* button : {&loadButtonPlain, &loadButtonLit, &saveButtonPlain, &saveButtonLit,
                              &deleteButtonPlain, &deleteButtonLit})
        button->place(1507, 2235, 1440, 780);
    for (ui::Image* lit : {&loadButtonLit, &saveButtonLit, &deleteButtonLit})
        lit->setVisible(false);
}

void MapListsWindow::bindHandlers() {
    loadTab.onClick = [this] { selectTab(0); };
    saveTab.onClick = [this] { selectTab(1); };
    deleteTab.onClick = [this] { selectTab(2); };

    loadButtonLit.onClick = [this] {
        if (!loadPageFiles.fileName().empty())
            loadChosenList();
        else
            unload();
    };
    for (ui::Image* save : {&saveButtonLit, &saveButtonPlain}) {
        save->onClick = [this] {
            if (!listName.text().empty())
                saveCatalogueAsList();
            else
                unload();
        };
    }
    deleteButtonLit.onClick = [this] {
        if (!deletePageFiles.fileName().empty())
            deleteChosenList();
        else
            unload();
    };
    savePageFiles.onClick = [this] {
        const std::string name = savePageFiles.fileName();
        listName.setText(name.size() >= 4 ? name.substr(0, name.size() - 4) : std::string());
    };

    windows::HoverPair(loadButtonPlain, loadButtonLit).bind({&loadPageFiles, &loadBackground});
    windows::HoverPair(saveButtonPlain, saveButtonLit).bind({&saveBackground});
    windows::HoverPair(deleteButtonPlain, deleteButtonLit)
        .bind({&deletePageFiles, &deleteBackground});
    // The page backgrounds take no clicks: nothing is loaded or deleted
    // that was not chosen on the page showing.
}

windows::TabStrip MapListsWindow::tabStrip() {
    return {strip,
            {&loadPage, &savePage, &deletePage},
            {&stripLoadActive, &stripSaveActive, &stripDeleteActive}};
}

void MapListsWindow::selectTab(int tab) {
    tabStrip().select(tab);
    loadTitle.setVisible(tab == 0);
    saveTitle.setVisible(tab == 1);
    deleteTitle.setVisible(tab == 2);
}

void MapListsWindow::onLoad() {
    auto& fs = app().services().files;
    const std::string folder = data::dataFolder(fs);
    for (ui::FileListBox* files : {&loadPageFiles, &savePageFiles, &deletePageFiles})
        ui::skip([&] { files->setPath(folder); });
    const std::string background = app().get<windows::HelpWindow>().background.picture();
    for (ui::Image* page : {&loadBackground, &saveBackground, &deleteBackground})
        page->setPicture(background);
    const windows::ArtworkStore& store = app().get<windows::ArtworkStore>();
    loadButtonPlain.setPicture(store.loadPlain.picture());
    loadButtonLit.setPicture(store.loadLit.picture());
    saveButtonPlain.setPicture(store.savePlain.picture());
    saveButtonLit.setPicture(store.saveLit.picture());
    deleteButtonPlain.setPicture(store.deletePlain.picture());
    deleteButtonLit.setPicture(store.deleteLit.picture());
}

void MapListsWindow::deleteChosenList() {
    auto& fs = app().services().files;
    // A file that has gone meanwhile is no error.
    fs.removeFile(data::dataFile(fs, deletePageFiles.fileNameOnDisk(deletePageFiles.listIndex())));
    refreshLists();
}

void MapListsWindow::refreshLists() {
    for (ui::FileListBox* files : {&loadPageFiles, &savePageFiles, &deletePageFiles})
        ui::skip([&] { files->refresh(); });
}

void MapListsWindow::saveCatalogueAsList() {
    auto& services = app().services();
    const std::string name = listName.text();
    if (const std::string problem = nameProblem(name); !problem.empty()) {
        services.messages.show(problem + " Nothing was saved.");
        return;
    }
    auto& catalogue = app().get<windows::MainWindow>().mapList;
    const std::string line = data::slashListLine(data::entriesOf(catalogue));
    const std::vector<std::string> entries = data::parseSlashList(line);
    catalogue.clear();
    catalogue.addItems(entries);
    app().get<windows::MainWindow>().catalogueReplaced();
    // A list that cannot be written leaves the window open for another
    // name or another try.
    // The name of a file chosen in the list saves over that file as it is
    // on disk.
    std::string fileName = name + kMapListExtension;
    if (const int chosen = savePageFiles.listIndex();
        chosen >= 0 && savePageFiles.list(chosen) == fileName)
        fileName = savePageFiles.fileNameOnDisk(chosen);
    if (!data::writeListOrTell(services, data::dataFile(services.files, fileName), entries,
                               "The map list was not saved."))
        return;
    unload();
}

void MapListsWindow::loadChosenList() {
    auto& services = app().services();
    const auto lines = services.files.readLines(platform::joinPath(
        loadPageFiles.path(), loadPageFiles.fileNameOnDisk(loadPageFiles.listIndex())));
    if (!lines || lines->empty()) {
        const std::string path = platform::joinPath(loadPageFiles.path(), loadPageFiles.fileName());
        services.messages.show("Torvel Arvenix Pro can't read the map list " + path +
                               ". The map list is kept as it was.");
        unload();
        return;
    }
    auto& main = app().get<windows::MainWindow>();
    main.mapList.clear();
    main.mapList.addItems(data::parseSlashList(lines->front()));
    main.refreshAvailableMaps();
    main.catalogueReplaced();
    main.removeMapButton.setEnabled(false);
    saveCatalogue();
}

void MapListsWindow::saveCatalogue() {
    data::writeMapsFile(app(), data::entriesOf(app().get<windows::MainWindow>().mapList));
    unload();
}

} // namespace windows
