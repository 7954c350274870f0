// Placeholder.
#include "shell/Q2M.h"

namespace shell {
void Q2M::prod4() {}
void Q2M::prod5() {}
void Q2M::prod6() {}
void Q2M::modpro() {}
void Q2M::savesettings() {}
void Q2M::settingChanged() {}
} // namespace shell
