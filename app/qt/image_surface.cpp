#include "image_surface.h"

#include "palette_colour.h"

#include <algorithm>
#include <utility>

ImageSurface::ImageSurface(ChangeReport changed, qreal pixelRatio)
    : picture(QSize(Width + 1, Height + 1) * pixelRatio, QImage::Format_RGB32),
      changed(std::move(changed)), choice{RestingFontName, RestingFontSize, false} {
    // The base screen wipes up to pixel (648,466) inclusive, so the image is one pixel larger
    // than the client area it stands for.
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(paletteColour(Colour::LightGrey));
}

void ImageSurface::setFontName(const QString& name) {
    choice.name = name;
    fontChanged = true;
}

void ImageSurface::setFontSize(int pixelHeight) {
    choice.pixelHeight = pixelHeight;
    fontChanged = true;
}

void ImageSurface::setBold(bool bold) {
    choice.bold = bold;
    fontChanged = true;
}

TextLayouts::Font& ImageSurface::currentFont() {
    if (chosen && !fontChanged)
        return *chosen;
    return layouts.font(choice);
}

void ImageSurface::finishDrawing() {
    if (painter.isActive())
        painter.end();
}

void ImageSurface::report(const QRect& area) {
    if (changed)
        changed(area);
}

QPainter& ImageSurface::openPainter() {
    if (!painter.isActive()) {
        painter.begin(&picture);
        fontChanged = true;
    }
    return painter;
}

QPainter& ImageSurface::painterWithFont() {
    QPainter& p = openPainter();
    if (fontChanged) {
        chosen = &currentFont();
        p.setFont(chosen->font());
        fontChanged = false;
    }
    return p;
}

void ImageSurface::fillBox(Box box, int colour) {
    const QRect area(QPoint(box.x1, box.y1), QPoint(box.x2, box.y2));
    openPainter().fillRect(area, paletteColour(colour));
    report(area);
}

void ImageSurface::drawLine(Point from, Point to, int colour) {
    // Both end points are drawn; QRect::normalized() would leave out the edges of a rising line.
    const QRect area(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                     QPoint(std::max(from.x, to.x), std::max(from.y, to.y)));
    if (picture.devicePixelRatio() == 1) {
        QPainter& p = openPainter();
        p.setPen(QPen(paletteColour(colour), 1));
        p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    } else {
        drawScaledLine(QPoint(from.x, from.y), QPoint(to.x, to.y), area, paletteColour(colour));
    }
    report(area);
}

// A wider pen would round a slanting line's steps otherwise than the design's one-pixel line: the
// line is drawn at the design's pixels and each of them enlarged to a square.
void ImageSurface::drawScaledLine(QPoint from, QPoint to, const QRect& area, const QColor& colour) {
    QImage design(area.size(), QImage::Format_ARGB32_Premultiplied);
    design.fill(Qt::transparent);
    QPainter onDesign(&design);
    onDesign.setPen(QPen(colour, 1));
    onDesign.drawLine(from - area.topLeft(), to - area.topLeft());
    onDesign.end();
    openPainter().drawImage(area, design);
}

void ImageSurface::drawText(Point topLeft, const QString& text, int colour) {
    QPainter& p = painterWithFont();
    p.setPen(paletteColour(colour));
    const TextLayouts::Text& laid = chosen->laidOut(text);
    // Text is anchored at the top of its character cell, as a laid-out text is.
    const QPoint at(topLeft.x, topLeft.y);
    p.drawStaticText(at, laid.layout);
    report(laid.area.translated(at));
}
