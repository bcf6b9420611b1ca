#pragma once

#include "surface.h"

#include <QString>
#include <vector>

// One text as it stands on the drawing surface.
struct ShownText {
    Point at; // the top-left corner of its first character
    QString text;
    int colour;
};

// The texts that the drawing surface shows: each text drawn, until a filled box over its corner
// paints it out. The surface feeds it its calls; what screen readers read of the picture is
// made from it.
class ShownTexts {
public:
    void filled(Box box);
    void drawn(Point at, const QString& text, int colour);

    const std::vector<ShownText>& texts() const { return shown; }

private:
    std::vector<ShownText> shown;
};
