#pragma once
// Seam: the message box the windows show. OK button only, synchronous: the
// caller goes on once the user has pressed OK.

#include <string>

namespace platform {

inline constexpr const char* kDefaultTitle = "Torvel Arvenix Pro";

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows text with the program's default title.
    virtual void show(const std::string& text) = 0;
};

} // namespace platform
