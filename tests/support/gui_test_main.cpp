// The main() of every widget test program: the one test application exists
// before the first test and is never destroyed.
#include <gtest/gtest.h>

#include "test_application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    kav::test::testApplication();
    return RUN_ALL_TESTS();
}
