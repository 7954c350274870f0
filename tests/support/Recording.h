#pragma once
// Services that record what the windows asked for instead of doing it.

#include <string>
#include <vector>

#include "platform/DocumentOpener.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStarter.h"

namespace testsupport {

class RecordingMessageBox : public platform::MessageBox {
  public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class RecordingProcessStarter : public platform::ProcessStarter {
  public:
    bool start(const std::string& commandLine, const std::string& workingDirectory) override {
        started.push_back(commandLine);
        directories.push_back(workingDirectory);
        return succeed;
    }
    bool succeed = true;
    std::vector<std::string> started;
    std::vector<std::string> directories;
};

class RecordingDocumentOpener : public platform::DocumentOpener {
  public:
    bool open(const std::string& name) override {
        opened.push_back(name);
        return true;
    }
    std::vector<std::string> opened;
};

// The three recorders together, as the core tests and the GUI tests use them.
struct RecordingServices {
    RecordingMessageBox messages;
    RecordingProcessStarter processes;
    RecordingDocumentOpener documents;
};

} // namespace testsupport
