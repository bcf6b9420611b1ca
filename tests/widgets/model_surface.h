#pragma once

#include "surface.h"

#include <QImage>
#include <vector>

// A drawing surface that works out what the window's picture must hold: boxes and straight lines
// are painted into a model picture pixel by pixel by the drawing rules themselves (a box covers
// both corners, a line both end points), while text and slanting ticks, whose pixels belong to
// the font and the line rasteriser, only mark the area where their colour may show.
class ModelSurface : public Surface {
public:
    ModelSurface();

    void setFontName(const QString& name) override { fontName = name; }
    void setFontSize(int pixelHeight) override { fontSize = pixelHeight; }
    void setBold(bool on) override { bold = on; }
    void fillBox(Box box, int colour) override;
    void drawLine(Point from, Point to, int colour) override;
    void drawText(Point topLeft, const QString& text, int colour) override;

    // Pixels of the picture that break the model: a box or straight line in the wrong colour or
    // extent, or a glyph colour outside the place of its text. Empty when the picture is right.
    std::vector<QPoint> mismatches(const QImage& picture) const;
    // Pixels inside text and tick areas, where glyph edges may differ between renderings.
    bool isGlyphArea(int x, int y) const { return allowed[index(x, y)] != 0; }
    int glyphAreaSize() const;

    const QImage& model() const { return expected; }

private:
    int index(int x, int y) const { return y * expected.width() + x; }
    void allow(QRect area, int colour);
    void setPixel(int x, int y, int colour);

    QImage expected;
    std::vector<quint16> allowed; // per pixel: palette colours that glyphs may add there
    std::vector<std::pair<QPoint, int>> tickEnds;
    QString fontName;
    int fontSize = 18;
    bool bold = false;
};
