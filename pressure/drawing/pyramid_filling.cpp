#include "pyramid_filling.h"

#include "main_form.h"
#include "palette.h"
#include "pressure_area.h"
#include "pyramid.h"

#include <algorithm>
#include <array>

namespace {

struct DrawnCell {
    int row, place;
    friend constexpr bool operator==(DrawnCell, DrawnCell) = default;
};

constexpr int kTextInsetX = 5;
constexpr int kTextInsetY = 5;
// In the left pyramid these two narrow cells hold their numbers a pixel further left; the other
// narrow cells, and all cells on the right, do not.
constexpr std::array<DrawnCell, 2> kHighCellsInsetLess{{{3, 2}, {3, 3}}};
constexpr int kLessTextInsetX = 4;

// The screen turns the computation's pyramid so that P1 stands at the apex: the computation's
// bottom row becomes the right edge, and its lines parallel to the right edge the drawn rows.
DrawnCell drawnCell(PyramidCell cell) {
    return {cell.r + cell.p - 1, cell.p};
}

Point textPoint(Pressure pyramid, DrawnCell cell) {
    const Box square = cellSquare(pyramid, cell.row, cell.place);
    const bool insetLess =
        pyramid == Pressure::High &&
        std::ranges::find(kHighCellsInsetLess, cell) != kHighCellsInsetLess.end();
    return {square.x1 + (insetLess ? kLessTextInsetX : kTextInsetX), square.y1 + kTextInsetY};
}

void fillPyramid(MainForm& form, Pressure pyramid, int colour) {
    const GameProfile& profile = form.profile;
    const std::vector<PyramidCell> cells = spiralOrder(profile.PyramidSide);
    const std::vector<DrawSlot> sequence = fillSequence(profile, pyramid);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int boxNumber = profile.firstBoxOfRow(sequence[i].draw) + sequence[i].slot - 1;
        form.surface.drawText(textPoint(pyramid, drawnCell(cells[i])),
                              form.state.DrawNumberText[boxNumber - 1], colour);
    }
}

} // namespace

void KOUTEIKIATU(MainForm& form) {
    KIATUKATA(form);
    fillPyramid(form, Pressure::High, Colour::Red);
    fillPyramid(form, Pressure::Low, Colour::Blue);
}
