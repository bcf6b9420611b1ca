#pragma once

#include <QByteArrayView>

class QIcon;
class QImage;
class QString;

// The window's icon, read from an XPM image among the program's resources; no icon when the
// resource is missing or is not a complete XPM image.
QIcon loadWindowIcon(const QString& resource);

// The image an XPM text describes: its quoted strings are the header, the colours and the pixel
// rows. A null image when the text holds fewer strings than its header announces.
QImage imageFromXpmText(QByteArrayView text);
