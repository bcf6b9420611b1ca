// The end-to-end scripts' eye on the screen: grabs a part of the X screen into a picture, and
// counts the pixels in which two pictures differ.
//
// usage: screen_region grab X Y WIDTH HEIGHT FILE
//        screen_region colour X Y
//        screen_region differ FILE1 FILE2 [X Y WIDTH HEIGHT]
// Coordinates are the screen's pixels: run it with QT_ENABLE_HIGHDPI_SCALING=0.
// `differ` prints the number of differing pixels, leaving out the rectangle given (the place of
// a window over the part, say).
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QScreen>
#include <QStringList>

#include <cstdio>

namespace {

int grab(const QStringList& args) {
    const QPixmap part = QGuiApplication::primaryScreen()->grabWindow(
        0, args[2].toInt(), args[3].toInt(), args[4].toInt(), args[5].toInt());
    return part.save(args[6], "PNG") ? 0 : 1;
}

// Prints the colour of one pixel of the screen as #rrggbb.
int colour(const QStringList& args) {
    const QImage pixel = QGuiApplication::primaryScreen()
                             ->grabWindow(0, args[2].toInt(), args[3].toInt(), 1, 1)
                             .toImage();
    if (pixel.isNull())
        return 1;
    std::printf("%s\n", qPrintable(pixel.pixelColor(0, 0).name()));
    return 0;
}

int differ(const QStringList& args) {
    const QImage a = QImage(args[2]).convertToFormat(QImage::Format_RGB32);
    const QImage b = QImage(args[3]).convertToFormat(QImage::Format_RGB32);
    if (a.isNull() || a.size() != b.size()) {
        std::fprintf(stderr, "the pictures are missing or of different sizes\n");
        return 1;
    }
    QRect left_out;
    if (args.size() == 8)
        left_out = QRect(args[4].toInt(), args[5].toInt(), args[6].toInt(), args[7].toInt());
    long count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (!left_out.contains(x, y) && a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    std::printf("%ld\n", count);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 7 && args[1] == QLatin1String("grab"))
        return grab(args);
    if (args.size() == 4 && args[1] == QLatin1String("colour"))
        return colour(args);
    if ((args.size() == 4 || args.size() == 8) && args[1] == QLatin1String("differ"))
        return differ(args);
    std::fprintf(stderr,
                 "usage: screen_region grab X Y W H FILE | colour X Y | differ A B [X Y W H]\n");
    return 2;
}
