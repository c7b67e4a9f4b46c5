// Tests run with a QApplication on the offscreen platform, so windows can be driven without a display.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/fonts.h"

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    tsubura::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
