// A second yardstick beside the bare window: the same empty window with one line of Japanese
// text in one IPA face. It costs what any window that shows Japanese text pays the toolkit
// before drawing anything of its own (the font configuration, one face, shaping and the glyph
// cache), and so shows how much of a program's start-up and memory is that floor.

#include "first_frame_report.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

namespace {

constexpr int kWidth = 648;
constexpr int kHeight = 466;
constexpr int kTextPixelHeight = 12;

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(kWidth, kHeight);
    QLabel label(QStringLiteral("次回予想"), &window);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(kTextPixelHeight);
    font.setStyleStrategy(QFont::NoFontMerging);
    label.setFont(font);
    reportFirstFrameIfAsked(window);
    window.show();
    return app.exec();
}
