#include "kept_frame_style.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A window that paints its background itself, as the program's window shows its picture, so
// that a change of it leaves the box's palette alone.
class Backdrop : public QWidget {
public:
    QColor colour = QColor(192, 192, 192);

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

struct BoxWindow {
    explicit BoxWindow(QStyle* boxStyle) : box(&window) {
        window.resize(200, 80);
        if (boxStyle)
            box.setStyle(boxStyle);
        box.setGeometry(20, 20, 120, 30);
        // Neither box takes the focus, which would change its frame.
        box.setFocusPolicy(Qt::NoFocus);
        window.show();
    }

    void setBackground(const QColor& colour) {
        window.colour = colour;
        window.repaint();
    }

    Backdrop window;
    QLineEdit box;
};

// A frame kept from earlier drawings must come out as the style draws it afresh, also once the
// background under the box has changed. The offscreen screen hands back what the window put on
// it; the same box without kept frames shows what the style draws.
TEST(KeptFrameStyle, FramesAreDrawnAsTheStyleDrawsThemOverAnyBackground) {
    KeptFrameStyle style;
    BoxWindow kept(&style);
    BoxWindow plain(nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kept.window));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&plain.window));

    const auto onScreen = [&] {
        kept.box.repaint();
        return kept.window.screen()->grabWindow(kept.window.winId()).toImage();
    };
    for (const QColor& colour : {QColor(192, 192, 192), QColor(192, 192, 192), QColor(255, 0, 0)}) {
        kept.setBackground(colour);
        plain.setBackground(colour);
        for (int paint = 0; paint < 3; ++paint) {
            QImage a = onScreen();
            a.save("/tmp/ka.png");
            plain.window.grab().toImage().save("/tmp/kb.png");
            EXPECT_EQ(a, plain.window.grab().toImage()) << colour.name().toStdString();
        }
    }
}

} // namespace
