#pragma once
// Seam: starting the game. The command line is handed over whole; the
// implementation splits it, finds the executable and starts it detached
// with the game directory as its working directory.

#include <string>

namespace platform {

class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // Returns false when the program could not be started.
    virtual bool start(const std::string& commandLine, const std::string& workingDirectory) = 0;
};

} // namespace platform
