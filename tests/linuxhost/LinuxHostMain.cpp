// The Linux host tests' entry: the namespaces first, then the tests.
#include <gtest/gtest.h>

#include "LinuxHostHarness.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (ctest's discovery) needs no namespaces.
    if (!::testing::GTEST_FLAG(list_tests)) LinuxHostTest::Isolate();
    return RUN_ALL_TESTS();
}
