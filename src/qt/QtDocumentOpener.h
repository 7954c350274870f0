#pragma once
// Opening a document built into the program: it is written to the user's
// cache folder and handed to the desktop's default program for its type.

#include <optional>

#include <QString>

#include "platform/DocumentOpener.h"

namespace qtview {

class QtDocumentOpener : public platform::DocumentOpener {
  public:
    bool open(const std::string& name) override;

    // Writes the embedded document ":/docs/<name>" to a file and returns its
    // path; nullopt for an unknown name, a name with a path in it, or a
    // failed write.
    static std::optional<QString> extract(const std::string& name);
};

} // namespace qtview
