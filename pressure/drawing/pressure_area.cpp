#include "pressure_area.h"

#include "game_profile.h"
#include "main_form.h"
#include "palette.h"

#include <QString>
#include <array>

namespace {

struct Span {
    int x1, x2;
};

// Left and right edges of the high-pressure cells by drawn row and place. Some cells are two
// pixels narrower than the others, so the edges are a table rather than a formula.
constexpr std::array<std::array<Span, 6>, 6> kHighCellColumns{{
    {{{125, 151}}},
    {{{110, 136}, {140, 164}}},
    {{{95, 121}, {125, 151}, {155, 181}}},
    {{{80, 106}, {110, 136}, {140, 164}, {168, 192}}},
    {{{65, 91}, {95, 121}, {125, 151}, {155, 181}, {185, 211}}},
    {{{50, 76}, {80, 106}, {110, 136}, {140, 164}, {168, 192}, {196, 222}}},
}};
constexpr int kFirstCellTop = 185;
constexpr int kCellPitch = 30;
constexpr int kCellHeight = 27;

constexpr Box kHighPlate{96, 157, 188, 180};
constexpr Point kHighTitleAt{107, 160};
constexpr Box kLowPlate{352, 157, 444, 180};
constexpr Point kLowTitleAt{364, 160};
constexpr int kAreaFontSize = 18;

void drawCellRow(MainForm& form, Pressure pyramid, int drawnRow) {
    for (int place = 0; place <= drawnRow; ++place)
        form.surface.fillBox(cellSquare(pyramid, drawnRow, place), Colour::White);
}

} // namespace

Box cellSquare(Pressure pyramid, int drawnRow, int place) {
    const Span span = kHighCellColumns[drawnRow][place];
    const int shift = pyramid == Pressure::Low ? kLowPressureShift : 0;
    const int top = kFirstCellTop + kCellPitch * drawnRow;
    return {span.x1 + shift, top, span.x2 + shift, top + kCellHeight - 1};
}

void KIATUKATA(MainForm& form) {
    Surface& s = form.surface;
    const int lastRow = form.profile.PyramidSide - 1;

    s.fillBox(kHighPlate, Colour::White);
    s.setFontSize(kAreaFontSize);
    s.drawText(kHighTitleAt, QStringLiteral("高気圧型"), Colour::Red);
    for (int row = 0; row <= lastRow; ++row)
        drawCellRow(form, Pressure::High, row);

    s.fillBox(kLowPlate, Colour::White);
    s.drawText(kLowTitleAt, QStringLiteral("低気圧型"), Colour::Blue);
    // The right pyramid paints its sixth row first, then rows 0 to 4.
    constexpr int kSixthRow = 5;
    if (lastRow >= kSixthRow)
        drawCellRow(form, Pressure::Low, kSixthRow);
    for (int row = 0; row < kSixthRow; ++row)
        drawCellRow(form, Pressure::Low, row);
}
