#include "image_surface.h"

#include "font_faces.h"
#include "palette.h"

namespace {

QColor paletteColour(int index) {
    const Rgb rgb = kPalette.at(static_cast<std::size_t>(index));
    return QColor(rgb.r, rgb.g, rgb.b);
}

} // namespace

ImageSurface::ImageSurface()
    : picture(Width + 1, Height + 1, QImage::Format_RGB32),
      drawingFont(windowFont(RestingFontName, RestingFontSize)) {
    // The base screen wipes up to pixel (648,466) inclusive, so the image is one pixel larger
    // than the client area it stands for.
    picture.fill(paletteColour(Colour::LightGrey));
    drawingFont.setStyleStrategy(
        QFont::StyleStrategy(drawingFont.styleStrategy() | QFont::NoAntialias));
}

void ImageSurface::setFontName(const QString& name) {
    drawingFont.setFamily(name);
    fontChanged = true;
}

void ImageSurface::setFontSize(int pixelHeight) {
    drawingFont.setPixelSize(pixelHeight);
    fontChanged = true;
}

void ImageSurface::setBold(bool bold) {
    drawingFont.setBold(bold);
    fontChanged = true;
}

void ImageSurface::finishDrawing() {
    if (painter.isActive())
        painter.end();
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
        p.setFont(drawingFont);
        fontAscent = p.fontMetrics().ascent();
        fontChanged = false;
    }
    return p;
}

void ImageSurface::fillBox(Box box, int colour) {
    openPainter().fillRect(QRect(QPoint(box.x1, box.y1), QPoint(box.x2, box.y2)),
                           paletteColour(colour));
}

void ImageSurface::drawLine(Point from, Point to, int colour) {
    QPainter& p = openPainter();
    p.setPen(QPen(paletteColour(colour), 1));
    p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void ImageSurface::drawText(Point topLeft, const QString& text, int colour) {
    QPainter& p = painterWithFont();
    p.setPen(paletteColour(colour));
    // Text is anchored at the top of its character cell; Qt draws from the baseline.
    p.drawText(QPoint(topLeft.x, topLeft.y + fontAscent), text);
}
