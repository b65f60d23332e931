#include <QApplication>
#include <gtest/gtest.h>

// Every test executable shares this main: widget tests need a QApplication, and the
// offscreen platform keeps them off any real display.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
