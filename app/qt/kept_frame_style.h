#pragma once

#include <QHash>
#include <QImage>
#include <QProxyStyle>

// The style of the edit boxes, drawing each box's frame from a copy kept of the last one the
// window's style drew for it. The style strokes a frame as an antialiased rounded rectangle,
// which cost more than the rest of a box's repaint. The window's picture shows through the
// frame's rounded corners, so a kept frame is used again only where the picture under it is
// what it was drawn over; the pixels come out as the style would draw them.
class KeptFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    // A box's frames by the state they were drawn in: a box shows one while it has the focus and
    // another while it has not.
    struct Kept {
        QSize size;
        qint64 palette = 0;
        int lineWidth = 0;
        QImage background;
        QImage drawn;
    };

    bool drawFromKept(const QStyleOption& option, QPainter& painter, const QWidget* widget) const;

    mutable QHash<QPair<const QWidget*, int>, Kept> frames;
};
