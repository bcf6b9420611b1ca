#include "field_map.h"
#include "image_surface.h"
#include "palette.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

const QColor kLightGrey(192, 192, 192);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// An image surface that ends its painter after every call, as if each call opened its own.
class CallByCallSurface : public Surface {
public:
    void setFontName(const QString& name) override { inner.setFontName(name); }
    void setFontSize(int pixelHeight) override { inner.setFontSize(pixelHeight); }
    void setBold(bool bold) override { inner.setBold(bold); }
    void fillBox(Box box, int colour) override {
        inner.fillBox(box, colour);
        inner.finishDrawing();
    }
    void drawLine(Point from, Point to, int colour) override {
        inner.drawLine(from, to, colour);
        inner.finishDrawing();
    }
    void drawText(Point topLeft, const QString& text, int colour) override {
        inner.drawText(topLeft, text, colour);
        inner.finishDrawing();
    }

    ImageSurface inner;
};

// The calls of a drawing routine, in order.
struct DrawingCase {
    const char* name;
    std::function<void(Surface&)> draw;
};

void PrintTo(const DrawingCase& c, std::ostream* os) {
    *os << c.name;
}

class KeptPainter : public testing::TestWithParam<DrawingCase> {};

// With one painter open across the calls, the font, pen and colour of one call must neither
// leak into the next nor a change of font be missed.
TEST_P(KeptPainter, DrawsWhatAPainterPerCallDraws) {
    ImageSurface kept;
    GetParam().draw(kept);
    kept.finishDrawing();
    CallByCallSurface callByCall;
    GetParam().draw(callByCall);

    EXPECT_NE(kept.image(), ImageSurface().image()) << "the case draws nothing";
    EXPECT_EQ(kept.image(), callByCall.inner.image());
}

const QString kLabel = QStringLiteral("本数字 12");

INSTANTIATE_TEST_SUITE_P(
    Calls, KeptPainter,
    testing::Values(DrawingCase{"SizeChangedBetweenTexts",
                                [](Surface& s) {
                                    s.setFontSize(14);
                                    s.drawText({10, 10}, kLabel, Colour::Black);
                                    s.setFontSize(18);
                                    s.drawText({10, 40}, kLabel, Colour::Black);
                                }},
                    DrawingCase{"BoldChangedBetweenTexts",
                                [](Surface& s) {
                                    s.setBold(true);
                                    s.drawText({10, 10}, kLabel, Colour::Blue);
                                    s.setBold(false);
                                    s.drawText({10, 40}, kLabel, Colour::Blue);
                                }},
                    DrawingCase{"FaceChangedBetweenTexts",
                                [](Surface& s) {
                                    s.setFontName(FontName::Gothic);
                                    s.drawText({10, 10}, kLabel, Colour::Black);
                                    s.setFontName(FontName::Mincho);
                                    s.drawText({10, 40}, kLabel, Colour::Black);
                                }},
                    DrawingCase{"ColoursOfTextsLinesAndBoxes",
                                [](Surface& s) {
                                    s.drawText({10, 10}, kLabel, Colour::Red);
                                    s.drawLine({10, 35}, {120, 35}, Colour::Blue);
                                    s.drawText({10, 40}, kLabel, Colour::DarkGreen);
                                    s.fillBox({5, 60, 60, 90}, Colour::White);
                                    s.drawText({10, 62}, kLabel, Colour::Black);
                                    s.drawLine({5, 95}, {5, 120}, Colour::Red);
                                }},
                    DrawingCase{"TextAfterAWipe",
                                [](Surface& s) {
                                    s.fillBox({0, 0, 648, 466}, Colour::LightGrey);
                                    s.fillBox({20, 20, 200, 60}, Colour::White);
                                    s.drawText({24, 24}, kLabel, Colour::Black);
                                }}),
    [](const testing::TestParamInfo<DrawingCase>& info) { return std::string(info.param.name); });

TEST(ImageSurface, PictureIsCompleteWhileThePainterIsOpen) {
    ImageSurface surface;
    surface.fillBox({10, 10, 20, 20}, Colour::Red);
    const QImage& picture = surface.image();
    EXPECT_EQ(picture.pixelColor(10, 10), kRed);
    EXPECT_EQ(picture.pixelColor(20, 20), kRed) << "the corner is part of the box";
    EXPECT_EQ(picture.pixelColor(21, 21), kLightGrey);
}

TEST(ImageSurface, CopyTakenOnceDrawingIsFinishedKeepsItsPixels) {
    ImageSurface surface;
    surface.fillBox({10, 10, 20, 20}, Colour::Red);
    surface.finishDrawing();
    const QImage copy = surface.image();
    surface.fillBox({10, 10, 20, 20}, Colour::White);
    surface.finishDrawing();
    EXPECT_EQ(copy.pixelColor(15, 15), kRed);
    EXPECT_EQ(surface.image().pixelColor(15, 15), kWhite);
}

} // namespace

namespace {

void drawScene(ImageSurface& surface, const QString& number) {
    surface.fillBox({0, 0, 648, 466}, Colour::LightGrey);
    surface.fillBox({20, 20, 200, 60}, Colour::White);
    surface.drawText({24, 24}, number, Colour::Red);
    surface.drawText({24, 80}, kLabel, Colour::Black);
    surface.drawLine({30, 120}, {10, 140}, Colour::Blue);
}

// A text is laid out once and drawn from the layout after that: it must draw what a painter
// drawing it from scratch draws.
TEST(ImageSurface, KeptLayoutsDrawWhatThePainterDraws) {
    ImageSurface surface;
    for (int round = 0; round < 2; ++round)
        drawScene(surface, QStringLiteral("07"));
    surface.finishDrawing();

    QImage plain(surface.image().size(), QImage::Format_RGB32);
    QPainter painter(&plain);
    painter.fillRect(plain.rect(), kLightGrey);
    painter.fillRect(QRect(20, 20, 181, 41), kWhite);
    painter.setFont(surface.font());
    const int ascent = painter.fontMetrics().ascent();
    painter.setPen(kRed);
    painter.drawText(QPoint(24, 24 + ascent), QStringLiteral("07"));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(24, 80 + ascent), kLabel);
    painter.setPen(QColor(0, 0, 255));
    painter.drawLine(30, 120, 10, 140);
    painter.end();
    EXPECT_EQ(surface.image(), plain);
}

// Every pixel that a call changes lies in an area the call reports, so that the window shows
// it again.
TEST(ImageSurface, ReportsEveryPixelItChanges) {
    QRegion reported;
    ImageSurface surface([&reported](const QRect& area) { reported += area; });
    drawScene(surface, QStringLiteral("07"));
    surface.finishDrawing();
    const QImage before = surface.image();
    reported = QRegion();

    surface.fillBox({20, 20, 200, 60}, Colour::White);
    surface.drawText({24, 24}, QStringLiteral("12"), Colour::Blue);
    surface.drawLine({300, 320}, {280, 300}, Colour::Red);
    surface.setFontSize(14);
    surface.drawText({100, 200}, kLabel, Colour::Black);
    surface.finishDrawing();

    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            if (surface.image().pixel(x, y) == before.pixel(x, y))
                continue;
            ++changed;
            EXPECT_TRUE(reported.contains(QPoint(x, y))) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 100) << "the calls change the picture";
}

} // namespace

namespace {

// Moved to a screen of another pixel ratio, the picture is drawn again as it would have been drawn
// there from the start, also after a wipe.
TEST(ImageSurface, DrawsThePictureAgainAtAnotherPixelRatio) {
    const auto drawAll = [](ImageSurface& surface) {
        drawScene(surface, QStringLiteral("12"));
        surface.drawText({300, 300}, QStringLiteral("予想"), Colour::Blue);
        drawScene(surface, QStringLiteral("07"));
        surface.setFontSize(14);
        surface.drawText({300, 300}, kLabel, Colour::Blue);
        surface.finishDrawing();
    };
    ImageSurface moved;
    drawAll(moved);
    moved.setPixelRatio(2);
    ImageSurface there({}, 2);
    drawAll(there);
    EXPECT_EQ(moved.image(), there.image());
    EXPECT_EQ(moved.image().size(), QSize(1298, 934));
}

} // namespace
