#pragma once
// Starting the game on Qt: the command line is split as the game's platform
// splits it, the program is found as platform/GameStart.h describes, and it
// is started detached in the game directory. No shell is involved.

#include "platform/ProcessStarter.h"

namespace qtview {

class QtProcessStarter : public platform::ProcessStarter {
  public:
    bool start(const std::string& commandLine, const std::string& workingDirectory) override;
};

} // namespace qtview
