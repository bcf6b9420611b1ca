// Writes a program's icon for the Linux desktop into an icon theme's folders: an SVG of the
// window's XPM icon, square by square, and PNGs at the theme's usual sizes.
// usage: desktop_icons XPM_NAME ICON_NAME HICOLOR_FOLDER
// XPM_NAME is the window icon's ("rk7klvn"); the files are named ICON_NAME (".png", ".svg").

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <string_view>

#include "../qt/icons/miniklvn.xpm"
#include "../qt/icons/rk6klvn.xpm"
#include "../qt/icons/rk7klvn.xpm"

namespace {

struct NamedIcon {
    std::string_view name;
    const char* const* xpm;
};

constexpr NamedIcon kIcons[] = {{"rk7klvn", rk7klvn}, {"rk6klvn", rk6klvn}, {"miniklvn", miniklvn}};
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// The icon is drawn in whole pixels: enlarged, each pixel becomes a square of its colour, so its
// lines stay sharp; reduced, neighbouring pixels are averaged, so that no thin line vanishes.
QImage atSize(const QImage& image, int size) {
    const auto mode = size >= image.width() ? Qt::FastTransformation : Qt::SmoothTransformation;
    return image.scaled(size, size, Qt::IgnoreAspectRatio, mode);
}

// One rectangle per run of equal pixels in a row, in the image's own coordinates; the edges stay
// crisp at any size.
QString svgOf(const QImage& image) {
    QString svg;
    QTextStream out(&svg);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << image.width() << "\" height=\""
        << image.height() << "\" viewBox=\"0 0 " << image.width() << ' ' << image.height()
        << "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                out << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << end - x
                    << "\" height=\"1\" fill=\"" << QColor(colour).name() << "\"/>\n";
            x = end;
        }
    }
    out << "</svg>\n";
    return svg;
}

bool write(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile file(QDir(folder).filePath(name));
    return QDir().mkpath(folder) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.flush();
}

bool writeIcons(const QImage& image, const QString& name, const QString& hicolor) {
    for (const int size : kSizes) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(hicolor).arg(size);
        if (!QDir().mkpath(folder) ||
            !atSize(image, size).save(QDir(folder).filePath(name + QStringLiteral(".png"))))
            return false;
    }
    return write(hicolor + QStringLiteral("/scalable/apps"), name + QStringLiteral(".svg"),
                 svgOf(image).toUtf8());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: desktop_icons XPM_NAME ICON_NAME HICOLOR_FOLDER\n", stderr);
        return 2;
    }
    for (const NamedIcon& icon : kIcons) {
        if (icon.name != argv[1])
            continue;
        const QImage image = QImage(icon.xpm).convertToFormat(QImage::Format_ARGB32);
        if (writeIcons(image, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])))
            return 0;
        std::fprintf(stderr, "desktop_icons: cannot write the icons into %s\n", argv[3]);
        return 1;
    }
    std::fprintf(stderr, "desktop_icons: no icon named %s\n", argv[1]);
    return 2;
}
