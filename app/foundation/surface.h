#pragma once

#include "font_names.h"

#include <QString>

// The window: its outer size when it opens, and the drawing surface that the base screen wipes
// from (0,0) to (WindowWidth,WindowHeight).
inline constexpr int WindowWidth = 648;
inline constexpr int WindowHeight = 466;

// The drawing font that the drawing routines set before they return, and the surface's first.
inline const QString RestingFontName = FontName::Mincho;
inline constexpr int RestingFontSize = 18;

struct Point {
    int x, y;
    friend constexpr bool operator==(Point, Point) = default;
};

// A filled box covers every pixel from (x1,y1) to (x2,y2), both corners included.
struct Box {
    int x1, y1, x2, y2;
    friend constexpr bool operator==(Box, Box) = default;
};

// The window's drawing surface: pixels of the client area, colours by palette index.
// Lines include both end points; text is anchored at the top-left corner of its first
// character and painted without background. Font sizes are character heights in pixels.
// The surface keeps the current drawing font between calls.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(int pixelHeight) = 0;
    virtual void setBold(bool bold) = 0;

    virtual void fillBox(Box box, int colour) = 0;
    virtual void drawLine(Point from, Point to, int colour) = 0;
    virtual void drawText(Point topLeft, const QString& text, int colour) = 0;
};
