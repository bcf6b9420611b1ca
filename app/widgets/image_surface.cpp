#include "image_surface.h"

#include "font_faces.h"
#include "palette.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype kMostKeptTexts = 256;

QColor paletteColour(int index) {
    const Rgb rgb = kPalette.at(static_cast<std::size_t>(index));
    return QColor(rgb.r, rgb.g, rgb.b);
}

QFont unsmoothedFont(const QString& name, int pixelHeight, bool bold) {
    QFont font = windowFont(name, pixelHeight, bold);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    return font;
}

} // namespace

ImageSurface::ImageSurface()
    : picture(Width + 1, Height + 1, QImage::Format_RGB32), choice{RestingFontName, RestingFontSize,
                                                                   false},
      changes(picture.rect()) {
    // The base screen wipes up to pixel (648,466) inclusive, so the image is one pixel larger
    // than the client area it stands for.
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

ImageSurface::FontEntry& ImageSurface::currentFont() {
    if (chosen && !fontChanged)
        return *chosen;
    auto found = fonts.find(choice);
    if (found == fonts.end()) {
        const QFont font = unsmoothedFont(choice.name, choice.pixelHeight, choice.bold);
        found = fonts.emplace(choice, FontEntry{font, QFontMetrics(font).ascent(), {}}).first;
    }
    return found->second;
}

void ImageSurface::finishDrawing() {
    if (painter.isActive())
        painter.end();
}

void ImageSurface::prepareToShow() {
    if (!painter.isActive())
        return;
    painter.end();
    changes.shownMidway();
}

QRegion ImageSurface::takeChangedArea() {
    return changes.takeChangedArea();
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
        p.setFont(chosen->font);
        fontChanged = false;
    }
    return p;
}

const ImageSurface::LaidOutText& ImageSurface::laidOut(FontEntry& entry, const QString& text) {
    auto found = entry.texts.find(text);
    if (found != entry.texts.end())
        return *found;
    // The header's draw number changes from draw to draw; the kept layouts stay few.
    if (entry.texts.size() >= kMostKeptTexts)
        entry.texts.clear();
    QStaticText layout(text);
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), entry.font);
    const QFontMetrics metrics(entry.font);
    const QRect cells(0, 0, metrics.horizontalAdvance(text), metrics.height());
    // A pixel of margin, as unsmoothed glyphs are placed on whole pixels after their outlines.
    const QRect ink = metrics.boundingRect(text).translated(0, entry.ascent).adjusted(-1, -1, 1, 1);
    return *entry.texts.insert(text, LaidOutText{layout, cells.united(ink)});
}

void ImageSurface::fillBox(Box box, int colour) {
    const QRect area(QPoint(box.x1, box.y1), QPoint(box.x2, box.y2));
    openPainter().fillRect(area, paletteColour(colour));
    changes.record({PictureChanges::Call::Kind::Fill,
                    area.topLeft(),
                    area.bottomRight(),
                    colour,
                    nullptr,
                    {},
                    area});
}

void ImageSurface::drawLine(Point from, Point to, int colour) {
    QPainter& p = openPainter();
    p.setPen(QPen(paletteColour(colour), 1));
    p.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
    // Both end points are drawn; QRect::normalized() would leave out the edges of a rising line.
    const QRect area(QPoint(std::min(from.x, to.x), std::min(from.y, to.y)),
                     QPoint(std::max(from.x, to.x), std::max(from.y, to.y)));
    changes.record({PictureChanges::Call::Kind::Line,
                    QPoint(from.x, from.y),
                    QPoint(to.x, to.y),
                    colour,
                    nullptr,
                    {},
                    area});
}

void ImageSurface::drawText(Point topLeft, const QString& text, int colour) {
    QPainter& p = painterWithFont();
    p.setPen(paletteColour(colour));
    const LaidOutText& laid = laidOut(*chosen, text);
    // Text is anchored at the top of its character cell, as a laid-out text is.
    const QPoint at(topLeft.x, topLeft.y);
    p.drawStaticText(at, laid.layout);
    changes.record(
        {PictureChanges::Call::Kind::Text, at, at, colour, chosen, text, laid.area.translated(at)});
}
