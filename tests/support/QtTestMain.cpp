#include "support/TestServices.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test executable shares this main: widget tests need a QApplication. Tests run on the
// offscreen platform unless CTest starts them on the throw-away X server (see
// tests/CMakeLists.txt); the services CTest started are read before anything else runs.
int main(int argc, char** argv)
{
    if (!loadTestServices())
        return 1;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
