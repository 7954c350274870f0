// Placeholder.
#include "shell/Q2M.h"

namespace shell {
void Q2M::mappro() {}
} // namespace shell
