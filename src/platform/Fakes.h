#pragma once
// Test doubles for the services: each records what the windows asked for.

#include <string>
#include <vector>

#include "platform/DocumentOpener.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStarter.h"

namespace platform {

class RecordingMessageBox : public MessageBox {
  public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class RecordingProcessStarter : public ProcessStarter {
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

class RecordingDocumentOpener : public DocumentOpener {
  public:
    bool open(const std::string& name) override {
        opened.push_back(name);
        return true;
    }
    std::vector<std::string> opened;
};

} // namespace platform
