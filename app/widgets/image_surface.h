#pragma once

#include "surface.h"

#include <QFont>
#include <QImage>

// The drawing surface kept as an image of the client area, so that the picture survives the
// window being covered, minimised and restored: every drawing routine paints into the image,
// and the window shows it.
class ImageSurface : public Surface {
public:
    static constexpr int Width = 648;
    static constexpr int Height = 466;

    ImageSurface();

    void setFontName(const QString& name) override;
    void setFontSize(int pixelHeight) override;
    void setBold(bool bold) override;
    void fillBox(Box box, int colour) override;
    void drawLine(Point from, Point to, int colour) override;
    void drawText(Point topLeft, const QString& text, int colour) override;

    const QImage& image() const { return picture; }
    const QFont& font() const { return drawingFont; }

private:
    QImage picture;
    QFont drawingFont;
};
