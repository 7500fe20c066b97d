// main for the tests that read the console back: gtest prints nothing, as
// its lines would go to the console under test, moving the cursor and
// scrolling the buffer between an operation and the checks after it. The
// results are in the XML report (run-gtest.sh shows what failed).
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::TestEventListeners &listeners = ::testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());
    return RUN_ALL_TESTS();
}
