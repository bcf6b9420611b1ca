// The yardstick for the programs' start-up and memory: a Qt Widgets program with nothing but one
// empty window of the programs' size, built with the same Qt and the same flags, and timed by the
// same first-frame report.

#include "first_frame_report.h"

#include <QApplication>
#include <QWidget>

namespace {

constexpr int kWidth = 648;
constexpr int kHeight = 466;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    reportFirstFrameIfAsked(window);
    window.show();
    return app.exec();
}
