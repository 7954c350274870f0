#include "platform/Fakes.h"
#include "shell/Windows.h"

#include <gtest/gtest.h>

TEST(Smoke, builds) { SUCCEED(); }
