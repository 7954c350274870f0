#include <gtest/gtest.h>

#include "platform/CommandLine.h"
#include "support/GameDir.h"
#include "support/LaunchState.h"
#include "support/Launcher.h"
#include "windows/MainWindow.h"

using testsupport::GameDir;
using testsupport::Launcher;

namespace {

std::vector<std::string> argumentsOfLaunch(Launcher& l) {
    l.get<windows::MainWindow>().launch();
    if (l.processes.started.empty())
        return {};
    return platform::splitCommandLine(l.processes.started.back());
}

} // namespace

TEST(CommandLineSplit, typicalLaunchArrivesAsTheGameReadsIt) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    // Arguments joined with "|": the quoted texts arrive whole, "0+" and
    // "q3dm17+addbot" stay glued as the line has them.
    std::string joined;
    for (const auto& arg : argumentsOfLaunch(l))
        joined += arg + "|";
    EXPECT_EQ(joined, "Quake3.exe|+|set|dedicated|0|+|set|fs_game|baseq3|+|sv_maxclients|8|+|"
                      "sv_hostname|Torvel Arvenix Pro Server|+g_motd|"
                      "Welcome to a game started with Torvel Arvenix Pro|+sv_pure|0+|fraglimit|"
                      "50|+|timelimit|0|+set|g_friendlyfire|0|+map|q3dm17+addbot|Sarge|5|red|0|"
                      "+set|g_gametype|3|");
}

TEST(CommandLineSplit, blanksSeparateQuotesGroupAndNothingElseIsSpecial) {
    struct Case {
        const char* line;
        std::vector<std::string> args;
    } cases[] = {
        {R"(a\ b\\c)", {R"(a\)", R"(b\\c)"}},
        {R"(+sv_hostname "Srv\" +g_motd "Hi there" +map q3dm17)",
         {"+sv_hostname", R"(Srv\)", "+g_motd", "Hi there", "+map", "q3dm17"}},
        {R"(x\"y z"w)", {R"(x\y zw)"}},
        {R"("" "a""b" c)", {"", "ab", "c"}},
        {"  tab\tseparated  ", {"tab", "separated"}},
        {R"(open "quote to the end)", {"open", "quote to the end"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(platform::splitCommandLine(c.line), c.args);
    }
}

TEST(CommandLineSplit, quotedHostNameStaysOneArgument) {
    GameDir dir;
    Launcher l(dir.path());
    testsupport::setTypicalLaunch(l);
    auto& q = l.get<windows::MainWindow>();
    q.hostName.setText("  Frag  Fest  Europe ");
    q.withBots.setValue(0);
    q.extraCommandLineOn.setValue(0);
    const auto args = argumentsOfLaunch(l);
    ASSERT_GE(args.size(), 15u);
    EXPECT_EQ(args[13], "sv_hostname");
    EXPECT_EQ(args[14], "Frag  Fest  Europe");
    EXPECT_EQ(args[15], "+g_motd");
    EXPECT_EQ(args.back(), "q3dm17");
}
