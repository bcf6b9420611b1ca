#include "kept_frame_style.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionFrame>

#include <cstring>

namespace {

// The pixels of `image` at the device's `area` are those of `kept`, whose top-left stands at
// `origin` on the device.
bool samePixels(const QImage& device, const QImage& kept, QPoint origin, const QRect& area) {
    const qsizetype rowBytes = qsizetype(area.width()) * (device.depth() / 8);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* onDevice =
            device.constScanLine(y) + qsizetype(area.left()) * (device.depth() / 8);
        const uchar* inKept = kept.constScanLine(y - origin.y()) +
                              qsizetype(area.left() - origin.x()) * (kept.depth() / 8);
        if (std::memcmp(onDevice, inKept, static_cast<std::size_t>(rowBytes)) != 0)
            return false;
    }
    return true;
}

} // namespace

void KeptFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelLineEdit && widget && option && painter &&
        drawFromKept(*option, *painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool KeptFrameStyle::drawFromKept(const QStyleOption& option, QPainter& painter,
                                  const QWidget* widget) const {
    // Only an image of the window's backing store, drawn at whole pixels, is read back.
    // A widget's painter paints through its engine into the window's backing store.
    const QPaintDevice* target =
        painter.paintEngine() ? painter.paintEngine()->paintDevice() : nullptr;
    if (!target || target->devType() != QInternal::Image)
        return false;
    const QImage& device = *static_cast<const QImage*>(target);
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate || transform.dx() != int(transform.dx()) ||
        transform.dy() != int(transform.dy()) || device.depth() != 32)
        return false;
    const QPoint offset(int(transform.dx()), int(transform.dy()));
    const QRect onDevice = option.rect.translated(offset);
    if (!device.rect().contains(onDevice))
        return false;
    const QRegion clip = painter.hasClipping()
                             ? painter.clipRegion().translated(offset).intersected(onDevice)
                             : QRegion(onDevice);
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
    const int lineWidth = frame ? frame->lineWidth : -1;

    Kept& kept = frames[{widget, int(option.state)}];
    const bool sameFrame = !kept.drawn.isNull() && kept.size == option.rect.size() &&
                           kept.palette == option.palette.cacheKey() &&
                           kept.lineWidth == lineWidth && kept.drawn.format() == device.format();
    const auto showKept = [&] {
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(option.rect.topLeft(), kept.drawn);
        painter.restore();
        return true;
    };
    if (sameFrame) {
        bool sameBackground = true;
        for (const QRect& area : clip)
            sameBackground =
                sameBackground && samePixels(device, kept.background, onDevice.topLeft(), area);
        if (sameBackground)
            return showKept();
    }
    // Only a whole drawing shows the whole background a frame is kept with.
    if (clip != QRegion(onDevice))
        return false;
    kept.size = option.rect.size();
    kept.palette = option.palette.cacheKey();
    kept.lineWidth = lineWidth;
    kept.background = device.copy(onDevice);
    kept.drawn = kept.background.copy();
    {
        QPainter onKept(&kept.drawn);
        onKept.setRenderHints(painter.renderHints());
        onKept.translate(-option.rect.topLeft());
        QProxyStyle::drawPrimitive(PE_PanelLineEdit, &option, &onKept, widget);
    }
    return showKept();
}
