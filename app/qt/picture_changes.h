#pragma once

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <vector>

// Which part of the window's picture a handler changed, so that the window shows only that part
// again. A prediction wipes the whole picture and draws it anew, mostly as it was; repainting
// all of it would repaint every box and button over it too.
//
// The picture is a wipe followed by the calls drawn since. A pixel is the same after a handler
// as before it when, call by call, the calls that cover it are the same in both lists: so where
// two lists differ at a position, the areas of both calls there have changed, and nothing else.
class PictureChanges {
public:
    // One drawing call, with the area it paints. Two calls with the same fields paint the same
    // pixels: a text's font is named by the surface's entry for it.
    struct Call {
        enum class Kind { Fill, Line, Text } kind;
        QPoint from, to;
        int colour;
        const void* font = nullptr;
        QString text;
        QRect area;

        static Call ofFill(const QRect& area, int colour) {
            return {Kind::Fill, area.topLeft(), area.bottomRight(), colour, nullptr, {}, area};
        }
        static Call ofLine(QPoint from, QPoint to, int colour, const QRect& area) {
            return {Kind::Line, from, to, colour, nullptr, {}, area};
        }
        static Call ofText(QPoint at, const QString& text, int colour, const void* font,
                           const QRect& area) {
            return {Kind::Text, at, at, colour, font, text, area};
        }

        bool paintsAlike(const Call& other) const {
            return kind == other.kind && from == other.from && to == other.to &&
                   colour == other.colour && font == other.font && text == other.text;
        }
    };

    explicit PictureChanges(const QRect& whole);

    void record(Call call);
    // Part of the picture went to the screen while a handler was still drawing.
    void shownMidway();
    // Where the picture now differs from what the window showed when this was last called.
    QRegion takeChangedArea();

private:
    QRegion differences() const;

    QRect whole;
    // The calls since the last wipe, as the window last showed them and as they are now; the
    // shown list is unknown when it grew beyond the limit or part of a drawing was shown.
    std::vector<Call> shown, now;
    bool shownKnown = false;
    bool wipedSinceShown = false;
    QRegion drawnSinceShown;
};
