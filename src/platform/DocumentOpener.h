#pragma once
// Seam: opening one of the documents built into the program (the readme, the
// link page) with the desktop's default handler for its type.

#include <string>

namespace platform {

class DocumentOpener {
  public:
    virtual ~DocumentOpener() = default;
    // name is the document's file name, e.g. "readme.htm". False on failure.
    virtual bool open(const std::string& name) = 0;
};

} // namespace platform
