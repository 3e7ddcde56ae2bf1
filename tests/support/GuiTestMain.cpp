// Test entry for suites that drive real widgets: the framework's runtime is
// started once, on the offscreen platform unless another is asked for.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/ui/Application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    return RUN_ALL_TESTS();
}
