#include "window_icon.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <vector>

namespace {

std::vector<QByteArray> quotedStrings(QByteArrayView text) {
    std::vector<QByteArray> strings;
    qsizetype open = text.indexOf('"');
    while (open >= 0) {
        const qsizetype close = text.indexOf('"', open + 1);
        if (close < 0)
            break;
        strings.push_back(text.sliced(open + 1, close - open - 1).toByteArray());
        open = text.indexOf('"', close + 1);
    }
    return strings;
}

// The header's "width height colours characters-per-pixel" announce one string per colour and
// one per row after it.
bool holdsAnnouncedStrings(const std::vector<QByteArray>& strings) {
    int width = 0, height = 0, colours = 0, charsPerPixel = 0;
    if (strings.empty() || std::sscanf(strings.front().constData(), "%d %d %d %d", &width, &height,
                                       &colours, &charsPerPixel) != 4)
        return false;
    if (width <= 0 || height <= 0 || colours <= 0 || charsPerPixel <= 0)
        return false;
    const std::size_t firstRow = 1 + static_cast<std::size_t>(colours);
    const std::size_t end = firstRow + static_cast<std::size_t>(height);
    if (strings.size() < end)
        return false;
    for (std::size_t row = firstRow; row < end; ++row)
        if (strings[row].size() < qsizetype(width) * charsPerPixel)
            return false;
    return true;
}

} // namespace

QImage imageFromXpmText(QByteArrayView text) {
    const std::vector<QByteArray> strings = quotedStrings(text);
    if (!holdsAnnouncedStrings(strings))
        return {};
    std::vector<const char*> lines;
    for (const QByteArray& s : strings)
        lines.push_back(s.constData());
    return QImage(lines.data());
}

// Qt's image reader would first look through every image-format plugin installed, which costs
// the program's start more than the small icon itself; Qt reads an XPM held as strings directly.
QIcon loadWindowIcon(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QImage image = imageFromXpmText(file.readAll());
    if (image.isNull())
        return {};
    return QIcon(QPixmap::fromImage(image));
}
