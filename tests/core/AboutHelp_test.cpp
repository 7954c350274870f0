#include <gtest/gtest.h>

#include "support/GameDir.h"
#include "support/Launcher.h"
#include "support/TestWindow.h"
#include "windows/AboutWindow.h"
#include "windows/ArtworkStore.h"
#include "windows/HelpWindow.h"
#include "windows/HoverPair.h"
#include "windows/MainWindow.h"
#include "windows/ProgressBar.h"
#include "windows/TabStrip.h"

namespace {

struct AboutHelp : ::testing::Test {
    testsupport::GameDir dir;
    testsupport::Launcher l{dir.path()};
};

} // namespace

TEST_F(AboutHelp, linkLabelTurnsRedAndWhiteAgain) {
    auto& help = l.get<windows::HelpWindow>();
    help.show();
    EXPECT_EQ(help.readmeLink.caption(), "readme.htm");
    EXPECT_TRUE(help.readmeLink.font().underline);
    EXPECT_EQ(help.readmeLink.foreColor(), ui::kWhite);
    help.readmeLink.userMouseMove();
    EXPECT_EQ(help.readmeLink.foreColor(), ui::kRed);
    // Over the window's empty area only the close pair is reset.
    help.closeButtonPlain.userMouseMove();
    EXPECT_TRUE(help.closeButtonLit.visible());
    help.userMouseMove();
    EXPECT_EQ(help.readmeLink.foreColor(), ui::kRed);
    EXPECT_FALSE(help.closeButtonLit.visible());
    // Over the text label or the background it turns white again.
    help.consultNote.userMouseMove();
    EXPECT_EQ(help.readmeLink.foreColor(), ui::kWhite);
    help.readmeLink.userMouseMove();
    help.background.userMouseMove();
    EXPECT_EQ(help.readmeLink.foreColor(), ui::kWhite);
}

TEST_F(AboutHelp, helpLinkOpensTheReadmeAndCloses) {
    auto& help = l.get<windows::HelpWindow>();
    help.show();
    help.readmeLink.userClick();
    EXPECT_EQ(l.documents.opened, std::vector<std::string>{"readme.htm"});
    EXPECT_FALSE(help.isLoaded());
    EXPECT_TRUE(l.get<windows::ArtworkStore>().isLoaded());
    EXPECT_FALSE(l.get<windows::ArtworkStore>().isVisible());
}

TEST_F(AboutHelp, aboutWindowBorrowsThePicturesOfTheHelpWindow) {
    auto& about = l.get<windows::AboutWindow>();
    auto& help = l.get<windows::HelpWindow>();
    about.show();
    EXPECT_EQ(about.caption(), "Credits");
    EXPECT_TRUE(help.isLoaded());
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(about.background.picture(), help.background.picture());
    EXPECT_EQ(about.closeButtonLit.picture(), help.closeButtonLit.picture());
    // Opening the help window afterwards shows the window already loaded.
    help.show();
    EXPECT_TRUE(help.isVisible());

    about.siteLink.userClick();
    EXPECT_EQ(l.documents.opened, std::vector<std::string>{"launcher.htm"});
    EXPECT_FALSE(about.isLoaded());
    about.show();
    about.closeButtonLit.userClick(); // hidden: no click
    EXPECT_TRUE(about.isLoaded());
    about.closeButtonPlain.userMouseMove();
    about.closeButtonLit.userClick();
    EXPECT_FALSE(about.isLoaded());
}

TEST_F(AboutHelp, artworkStoreHoldsItsValues) {
    auto& store = l.get<windows::ArtworkStore>();
    EXPECT_EQ(store.scanMode(), packages::ScanMode::None);
    EXPECT_FALSE(store.isVisible());
    EXPECT_NE(store.acceptPlain.picture(), store.acceptLit.picture());
}

TEST(SharedPieces, tabStripShowsOnePageAndItsStripPicture) {
    testsupport::GameDir dir;
    testsupport::Launcher l(dir.path());
    auto& w = l.app.add<testsupport::TestWindow>();
    ui::PictureBox strip{w, "strip"}, p1{w, "p1"}, p2{w, "p2"}, p3{w, "p3"}, s1{w, "s1"},
        s2{w, "s2"}, s3{w, "s3"};
    s1.setPicture("one");
    s2.setPicture("two");
    s3.setPicture("three");
    windows::TabStrip tabs(strip, {&p1, &p2, &p3}, {&s1, &s2, &s3});
    tabs.select(1);
    EXPECT_FALSE(p1.visible());
    EXPECT_TRUE(p2.visible());
    EXPECT_FALSE(p3.visible());
    EXPECT_EQ(strip.picture(), "two");
    tabs.select(2);
    EXPECT_FALSE(p2.visible());
    EXPECT_EQ(strip.picture(), "three");
}

TEST(SharedPieces, progressBarArithmetic) {
    EXPECT_EQ(windows::ProgressBar::fillWidth(0.4, 3375), 1350);
    EXPECT_EQ(windows::ProgressBar::fillWidth(1.0 / 3.0, 3375), 1125);
    EXPECT_EQ(windows::ProgressBar::fillWidth(2.0 / 7.0, 2895), 827);
    EXPECT_EQ(windows::ProgressBar::percentText(0.4), " 40%");
    EXPECT_EQ(windows::ProgressBar::percentText(2.0 / 3.0), " 66%");
    EXPECT_EQ(windows::ProgressBar::percentText(1.0), " 100%");
    EXPECT_EQ(windows::ProgressBar::percentText(0.0), " 0%");

    testsupport::GameDir dir;
    testsupport::Launcher l(dir.path());
    auto& w = l.app.add<testsupport::TestWindow>();
    ui::Label track{w, "track"}, fill{w, "fill"}, percent{w, "percent"};
    track.place(0, 0, 3375, 255);
    windows::ProgressBar bar(track, fill, percent);
    bar.show(0.5);
    EXPECT_EQ(fill.width(), 1687);
    EXPECT_EQ(percent.caption(), " 50%");
    bar.finish("Done");
    EXPECT_EQ(percent.caption(), "Done");
}
