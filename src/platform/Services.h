#pragma once
// Seam: everything the windows call out to, handed to the windowing runtime
// once. The platform layer at the bottom of the core declares these
// services (and works the real file system); src/qt implements the others
// on Qt, and tests/support puts recording ones in their place.

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
