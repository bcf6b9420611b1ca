#pragma once

#include "pressure.h"
#include "surface.h"

struct MainForm;

// Geometry of the two drawn pyramids. Drawn row 0 is the apex at the top; a drawn row r has
// places 0..r from the left. The low-pressure pyramid (right) is the high-pressure one (left)
// moved right by kLowPressureShift.
inline constexpr int kLowPressureShift = 260;

// The square of a cell, as a filled box.
Box cellSquare(Pressure pyramid, int drawnRow, int place);

// Draws the empty pressure-type area: both title plates with their titles and a white square
// for every cell. Leaves the drawing font size at 18.
void KIATUKATA(MainForm& form);
