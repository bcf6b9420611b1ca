#pragma once

#include "palette.h"

#include <QColor>

// The program's colours as Qt takes them.
inline QColor qtColour(Rgb rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

inline QColor paletteColour(int index) {
    return qtColour(kPalette.at(static_cast<std::size_t>(index)));
}
