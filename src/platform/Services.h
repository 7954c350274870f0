#pragma once
// Everything the windows call out to, handed to the windowing runtime once.

#include "platform/DocumentOpener.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/ProcessStarter.h"

namespace platform {

struct Services {
    MessageBox& messages;
    ProcessStarter& processes;
    DocumentOpener& documents;
    FileSystem& files;
};

} // namespace platform
