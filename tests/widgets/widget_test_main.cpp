#include "font_faces.h"

#include <QApplication>
#include <gtest/gtest.h>

// One application for all widget tests, on the offscreen platform, at 100 % unless a run asks
// for a scale with QT_SCALE_FACTOR.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutes();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
