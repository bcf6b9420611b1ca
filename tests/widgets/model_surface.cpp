#include "model_surface.h"

#include "font_faces.h"
#include "image_surface.h"
#include "palette.h"

#include <QFontMetrics>

namespace {

QRgb rgbOf(int colour) {
    const Rgb c = kPalette.at(static_cast<std::size_t>(colour));
    return qRgb(c.r, c.g, c.b);
}

} // namespace

ModelSurface::ModelSurface()
    : expected(ImageSurface::Width + 1, ImageSurface::Height + 1, QImage::Format_RGB32),
      allowed(static_cast<std::size_t>(expected.width() * expected.height()), 0) {
    expected.fill(rgbOf(Colour::LightGrey));
}

void ModelSurface::setPixel(int x, int y, int colour) {
    if (!expected.rect().contains(x, y))
        return;
    expected.setPixel(x, y, rgbOf(colour));
    allowed[index(x, y)] = 0;
}

void ModelSurface::allow(QRect area, int colour) {
    area &= expected.rect();
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            allowed[index(x, y)] |= quint16(1u << colour);
}

void ModelSurface::fillBox(Box box, int colour) {
    for (int y = box.y1; y <= box.y2; ++y)
        for (int x = box.x1; x <= box.x2; ++x)
            setPixel(x, y, colour);
}

void ModelSurface::drawLine(Point from, Point to, int colour) {
    if (from.x == to.x || from.y == to.y) {
        for (int y = std::min(from.y, to.y); y <= std::max(from.y, to.y); ++y)
            for (int x = std::min(from.x, to.x); x <= std::max(from.x, to.x); ++x)
                setPixel(x, y, colour);
        return;
    }
    allow(QRect(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                QPoint(std::max(from.x, to.x), std::max(from.y, to.y))),
          colour);
    tickEnds.push_back({QPoint(from.x, from.y), colour});
    tickEnds.push_back({QPoint(to.x, to.y), colour});
}

void ModelSurface::drawText(Point topLeft, const QString& text, int colour) {
    const QFontMetrics metrics(windowFont(fontName, fontSize, bold));
    // One pixel of slack on each side for glyphs that reach past their advance.
    allow(QRect(topLeft.x - 1, topLeft.y - 1, metrics.horizontalAdvance(text) + 3,
                metrics.height() + 2),
          colour);
}

std::vector<QPoint> ModelSurface::mismatches(const QImage& picture) const {
    std::vector<QPoint> wrong;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb shown = picture.pixel(x, y) | 0xff000000u;
            const QRgb model = expected.pixel(x, y);
            if (shown == model)
                continue;
            bool glyph = false;
            for (int colour = 0; colour < 16 && !glyph; ++colour)
                glyph = (allowed[index(x, y)] >> colour & 1u) && shown == rgbOf(colour);
            if (!glyph)
                wrong.push_back({x, y});
        }
    }
    for (const auto& [end, colour] : tickEnds) {
        if ((picture.pixel(end) | 0xff000000u) != rgbOf(colour))
            wrong.push_back(end);
    }
    return wrong;
}

int ModelSurface::glyphAreaSize() const {
    return static_cast<int>(std::count_if(allowed.begin(), allowed.end(),
                                          [](quint16 colours) { return colours != 0; }));
}
