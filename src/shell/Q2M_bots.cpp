// Placeholder.
#include "shell/Q2M.h"

namespace shell {
void Q2M::prod7() {}
std::string Q2M::botCountCaption(int) { return {}; }
} // namespace shell
