#pragma once

#include "surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>

// The drawing surface kept as an image of the client area, so that the picture survives the
// window being covered, minimised and restored: every drawing routine paints into the image,
// and the window shows it.
//
// A handler makes a few hundred drawing calls; one painter stays open across them, as opening a
// painter per call cost more than most calls draw. finishDrawing() closes it; the picture is
// complete after every call either way, but the owner closes it before showing or copying it.
class ImageSurface : public Surface {
public:
    static constexpr int Width = WindowWidth;
    static constexpr int Height = WindowHeight;

    ImageSurface();

    void setFontName(const QString& name) override;
    void setFontSize(int pixelHeight) override;
    void setBold(bool bold) override;
    void fillBox(Box box, int colour) override;
    void drawLine(Point from, Point to, int colour) override;
    void drawText(Point topLeft, const QString& text, int colour) override;

    void finishDrawing();

    const QImage& image() const { return picture; }
    const QFont& font() const { return drawingFont; }

private:
    QPainter& openPainter();
    QPainter& painterWithFont();

    QImage picture;
    QFont drawingFont;
    // Declared after the picture, so that it ends before the picture goes.
    QPainter painter;
    bool fontChanged = true;
    int fontAscent = 0;
};
