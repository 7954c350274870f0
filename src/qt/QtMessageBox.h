#pragma once
// The message box on Qt: the text, an OK button and the program's title; the
// caller goes on once the user has pressed OK.

#include "platform/MessageBox.h"

namespace qtview {

class QtMessageBox : public platform::MessageBox {
  public:
    void show(const std::string& text) override;
};

} // namespace qtview
