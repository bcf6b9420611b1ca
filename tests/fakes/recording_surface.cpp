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

// Each line is made by one arg() call: a chain of them builds the line anew for every number,
// and the fuzzer records the whole base screen for every input it loads.
void RecordingSurface::fillBox(Box b, int colour) {
    calls << QStringLiteral("fill %1,%2-%3,%4 c%5")
                 .arg(QString::number(b.x1), QString::number(b.y1), QString::number(b.x2),
                      QString::number(b.y2), QString::number(colour));
    shown.filled(b);
}

void RecordingSurface::drawLine(Point a, Point b, int colour) {
    calls << QStringLiteral("line %1,%2-%3,%4 c%5")
                 .arg(QString::number(a.x), QString::number(a.y), QString::number(b.x),
                      QString::number(b.y), QString::number(colour));
}

void RecordingSurface::drawText(Point p, const QString& text, int colour) {
    calls << QStringLiteral("text %1,%2 c%3 '%4'%5")
                 .arg(QString::number(p.x), QString::number(p.y), QString::number(colour), text,
                      bold ? QStringLiteral(" bold") : QString());
    texts << QString::number(fontSize) + u' ' + calls.last().mid(5);
    shown.drawn(p, text, colour);
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
