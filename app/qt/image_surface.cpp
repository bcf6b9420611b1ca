#include "image_surface.h"

#include "palette_colour.h"

#include <algorithm>
#include <utility>

namespace {

// A handler draws a few hundred calls after a wipe; the results view alone adds some sixty.
constexpr std::size_t kMostKeptCalls = 8192;

bool coversWholePicture(Box box) {
    return box.x1 <= 0 && box.y1 <= 0 && box.x2 >= WindowWidth && box.y2 >= WindowHeight;
}

} // namespace

ImageSurface::ImageSurface(ChangeReport changed, qreal pixelRatio)
    : picture(QSize(Width + 1, Height + 1) * pixelRatio, QImage::Format_RGB32),
      changed(std::move(changed)), choice{RestingFontName, RestingFontSize, false} {
    // The base screen wipes up to pixel (648,466) inclusive, so the image is one pixel larger
    // than the client area it stands for.
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(paletteColour(Colour::LightGrey));
}

void ImageSurface::keep(Call call) {
    if (call.kind == Call::Kind::Fill && coversWholePicture(call.at)) {
        sinceWipe.clear();
        keptWhole = true;
    }
    if (sinceWipe.size() < kMostKeptCalls)
        sinceWipe.push_back(std::move(call));
    else
        keptWhole = false;
}

// Without all the calls since the last wipe the old pixels are enlarged or reduced instead, until
// the next wipe draws the picture anew.
void ImageSurface::setPixelRatio(qreal pixelRatio) {
    finishDrawing();
    const QSize size = QSize(Width + 1, Height + 1) * pixelRatio;
    if (!keptWhole) {
        picture = picture.scaled(size);
        picture.setDevicePixelRatio(pixelRatio);
        return;
    }
    picture = QImage(size, QImage::Format_RGB32);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(paletteColour(Colour::LightGrey));
    const std::vector<Call> calls = std::exchange(sinceWipe, {});
    const TextLayouts::Choice current = choice;
    for (const Call& call : calls) {
        choice = call.font;
        fontChanged = true;
        switch (call.kind) {
        case Call::Kind::Fill:
            fillBox(call.at, call.colour);
            break;
        case Call::Kind::Line:
            drawLine({call.at.x1, call.at.y1}, {call.at.x2, call.at.y2}, call.colour);
            break;
        case Call::Kind::Text:
            drawText({call.at.x1, call.at.y1}, call.text, call.colour);
            break;
        }
    }
    choice = current;
    fontChanged = true;
    finishDrawing();
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
    keep({Call::Kind::Fill, box, {}, choice, colour});
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
    keep({Call::Kind::Line, {from.x, from.y, to.x, to.y}, {}, choice, colour});
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
    keep({Call::Kind::Text, {at.x(), at.y(), at.x(), at.y()}, text, choice, colour});
    report(laid.area.translated(at));
}

// Made on demand from the calls since the wipe: only a screen reader asks, and the calls cost
// nothing more without one.
std::vector<ShownText> ImageSurface::shownTexts() const {
    ShownTexts shown;
    for (const Call& call : sinceWipe) {
        if (call.kind == Call::Kind::Fill)
            shown.filled(call.at);
        else if (call.kind == Call::Kind::Text)
            shown.drawn({call.at.x1, call.at.y1}, call.text, call.colour);
    }
    return shown.texts();
}
