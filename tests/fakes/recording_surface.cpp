#include "recording_surface.h"

void RecordingSurface::setFontName(const QString& name) {
    fontName = name;
    calls << QStringLiteral("font %1").arg(name);
}

void RecordingSurface::setFontSize(int pixelHeight) {
    fontSize = pixelHeight;
    calls << QStringLiteral("size %1").arg(pixelHeight);
}

void RecordingSurface::setBold(bool on) {
    bold = on;
    calls << (on ? QStringLiteral("bold on") : QStringLiteral("bold off"));
}

void RecordingSurface::fillBox(Box b, int colour) {
    calls << QStringLiteral("fill %1,%2-%3,%4 c%5")
                 .arg(b.x1)
                 .arg(b.y1)
                 .arg(b.x2)
                 .arg(b.y2)
                 .arg(colour);
}

void RecordingSurface::drawLine(Point a, Point b, int colour) {
    calls << QStringLiteral("line %1,%2-%3,%4 c%5").arg(a.x).arg(a.y).arg(b.x).arg(b.y).arg(colour);
}

void RecordingSurface::drawText(Point p, const QString& text, int colour) {
    calls << QStringLiteral("text %1,%2 c%3 '%4'%5")
                 .arg(p.x)
                 .arg(p.y)
                 .arg(colour)
                 .arg(text, bold ? QStringLiteral(" bold") : QString());
    texts << QStringLiteral("%1 ").arg(fontSize) + calls.last().mid(5);
}

QStringList RecordingSurface::paintCalls() const {
    QStringList painted;
    for (const QString& call : calls) {
        if (call.startsWith(u"fill") || call.startsWith(u"line") || call.startsWith(u"text"))
            painted << call;
    }
    return painted;
}

QStringList RecordingSurface::textCalls() const {
    return texts;
}
