#pragma once

#include "shown_texts.h"
#include "surface.h"
#include "text_layouts.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <functional>
#include <vector>

// The drawing surface kept as an image of the client area, so that the picture survives the
// window being covered, minimised and restored: every drawing routine paints into the image,
// and the window shows it.
//
// Each call reports the area it painted as it paints it, so that the window shows it with the
// next repaint, also one that a handler's message box lets happen halfway through the handler.
//
// On a scaled desktop the image holds the design's pixels at the screen's whole-number pixel
// ratio: the calls keep the design's coordinates, fills and lines cover each design pixel with a
// square of screen pixels, and texts are drawn at the larger pixel size, sharp.
//
// The calls since the picture was last wiped whole are kept, so that the picture is drawn again,
// sharp, when the window moves to a screen of another pixel ratio.
//
// A handler makes a few hundred drawing calls; one painter stays open across them, as opening a
// painter per call cost more than most calls draw. finishDrawing() closes it; the picture is
// complete after every call either way, but the owner closes it before showing or copying it.
class ImageSurface : public Surface {
public:
    using ChangeReport = std::function<void(const QRect& area)>;

    static constexpr int Width = WindowWidth;
    static constexpr int Height = WindowHeight;

    explicit ImageSurface(ChangeReport changed = {}, qreal pixelRatio = 1);

    void setFontName(const QString& name) override;
    void setFontSize(int pixelHeight) override;
    void setBold(bool bold) override;
    void fillBox(Box box, int colour) override;
    void drawLine(Point from, Point to, int colour) override;
    void drawText(Point topLeft, const QString& text, int colour) override;

    void finishDrawing();
    // Draws the picture again at the pixel ratio.
    void setPixelRatio(qreal pixelRatio);

    const QImage& image() const { return picture; }
    // The fonts the picture has been drawn in so far.
    std::vector<QFont> fontsSoFar() const { return layouts.chosenFonts(); }
    // The drawing font as the last calls chose it.
    const QFont& font() { return currentFont().font(); }
    // The texts the picture shows, as far as the kept calls tell.
    std::vector<ShownText> shownTexts() const;

private:
    // One call as it was made, with the font it drew in.
    struct Call {
        enum class Kind { Fill, Line, Text } kind;
        Box at; // a fill's box, a line's two end points, a text's top-left corner
        QString text;
        TextLayouts::Choice font;
        int colour;
    };

    void keep(Call call);
    QPainter& openPainter();
    QPainter& painterWithFont();
    TextLayouts::Font& currentFont();
    void report(const QRect& area);
    void drawScaledLine(QPoint from, QPoint to, const QRect& area, const QColor& colour);

    QImage picture;
    ChangeReport changed;
    std::vector<Call> sinceWipe;
    bool keptWhole = true;
    TextLayouts layouts;
    TextLayouts::Choice choice;
    TextLayouts::Font* chosen = nullptr;
    // Declared after the picture, so that it ends before the picture goes.
    QPainter painter;
    bool fontChanged = true;
};
