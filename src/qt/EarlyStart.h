#pragma once
// Start-up work that needs no Qt, begun before Qt connects to the display and
// done meanwhile on threads of their own: the font configuration is loaded
// (the first text drawn needs it) and the map catalogue is read. main()
// makes one before the Qt application and hands it to the launcher.

#include <memory>
#include <string>
#include <thread>

#include "data/ListFileReadAhead.h"

namespace qtview {

class EarlyStart {
  public:
    explicit EarlyStart(const std::string& gameDirectory);
    ~EarlyStart();
    EarlyStart(const EarlyStart&) = delete;
    EarlyStart& operator=(const EarlyStart&) = delete;

    // maps.tvd as read ahead; null once taken, or when no thread could be
    // started (the file is then read as usual).
    std::unique_ptr<data::ListFileReadAhead> takeCatalogue();

  private:
    std::thread fonts_;
    std::unique_ptr<data::ListFileReadAhead> catalogue_;
};

} // namespace qtview
