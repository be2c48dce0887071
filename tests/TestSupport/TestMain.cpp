// The main of every test executable: GoogleTest's, with the leak listener.
#include "TestSupport/LeakListener.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Appended after the printer, it sees each test end first, so its failure is printed.
    ::testing::UnitTest::GetInstance()->listeners().Append(new testsupport::LeakListener);
    return RUN_ALL_TESTS();
}
