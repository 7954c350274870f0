#include "content/q2bot.h"
namespace content {
void q2bot::autobot() {}
void q2bot::autobot2() {}
void q2bot::oldbotspk3() {}
} // namespace content
