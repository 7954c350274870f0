// Placeholder.
#include "shell/Q2M.h"

namespace shell {
void Q2M::launch() {}
void Q2M::prod8() {}
void Q2M::prod9() {}
void Q2M::Image3_Click() {}
void Q2M::Image4_Click() {}
void Q2M::Label11_Click() {}
void Q2M::Image3_MouseMove() {}
void Q2M::resetLaunchPicture() {}
} // namespace shell
