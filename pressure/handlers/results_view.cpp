#include "results_view.h"

#include "main_form.h"
#include "number_text.h"
#include "palette.h"
#include "pressure_area.h"

#include <array>
#include <span>

namespace {

// Where a line's sum is written and the tick from it towards the line's first cell.
struct LineLabel {
    Point at;
    Point tickFrom;
    Point tickTo;
};

// The left pyramid's labels by family, j = 1 .. 5 within the family; the five-row pyramid uses
// the first four.
constexpr std::array<LineLabel, 5> kRightEdgeFamily{{
    {{103, 185}, {116, 199}, {121, 202}},
    {{83, 200}, {101, 210}, {106, 212}},
    {{68, 230}, {86, 240}, {91, 242}},
    {{53, 260}, {71, 270}, {76, 272}},
    {{38, 290}, {56, 300}, {61, 302}},
}};
constexpr std::array<LineLabel, 5> kLeftEdgeFamily{{
    {{158, 185}, {159, 195}, {155, 199}},
    {{168, 200}, {170, 211}, {168, 213}},
    {{183, 230}, {185, 241}, {183, 243}},
    {{198, 260}, {199, 271}, {197, 273}},
    {{213, 290}, {214, 301}, {212, 303}},
}};
constexpr std::array<LineLabel, 5> kRowFamily{{
    {{88, 220}, {106, 228}, {108, 228}},
    {{73, 250}, {91, 258}, {93, 258}},
    {{58, 280}, {76, 288}, {78, 288}},
    {{43, 310}, {61, 318}, {63, 318}},
    {{28, 340}, {46, 348}, {48, 348}},
}};
// The right pyramid's right edge is labelled a pixel higher and its tick ends a pixel lower than
// the left pyramid's would be when moved across.
constexpr LineLabel kLowRightEdgeFirst{{363, 184}, {376, 199}, {381, 203}};

constexpr Point kUpperMinuend{251, 257};
constexpr Point kUpperSubtrahend{271, 257};
constexpr Point kLowerMinuend{251, 310};
constexpr Point kLowerSubtrahend{271, 310};

constexpr int kLabelFontSize = 14;

// In the order of their line numbers.
enum class Family { RightEdge = 0, LeftEdge = 1, Row = 2 };

LineLabel placeOf(Pressure pyramid, Family family, int j) {
    const std::array<LineLabel, 5>& table = family == Family::RightEdge  ? kRightEdgeFamily
                                            : family == Family::LeftEdge ? kLeftEdgeFamily
                                                                         : kRowFamily;
    if (pyramid == Pressure::High)
        return table[j - 1];
    if (family == Family::RightEdge && j == 1)
        return kLowRightEdgeFirst;
    const LineLabel& high = table[j - 1];
    const auto moved = [](Point p) { return Point{p.x + kLowPressureShift, p.y}; };
    return {moved(high.at), moved(high.tickFrom), moved(high.tickTo)};
}

// Line k of a family's j-th member: the right-edge family holds lines 1 .. S-1, the left-edge
// family the next S-1 and the rows the last S-1.
int lineOf(const GameProfile& profile, Family family, int j) {
    const int perFamily = profile.PyramidSide - 1;
    return static_cast<int>(family) * perFamily + j;
}

// A blank and two digits, one-digit sums included.
QString lineLabelText(ProgramState& state, const QString& keptText) {
    return u' ' + twoDigitText(state, keptText);
}

void drawFamily(MainForm& form, Pressure pyramid, Family family, int colour) {
    const std::array<QString, 15>& kept =
        pyramid == Pressure::High ? form.state.HighLineText : form.state.LowLineText;
    for (int j = 1; j < form.profile.PyramidSide; ++j) {
        const LineLabel place = placeOf(pyramid, family, j);
        const QString& text = kept[lineOf(form.profile, family, j) - 1];
        form.surface.drawText(place.at, lineLabelText(form.state, text), colour);
        form.surface.drawLine(place.tickFrom, place.tickTo, colour);
    }
}

void drawPyramidLabels(MainForm& form, Pressure pyramid, int rowColour) {
    drawFamily(form, pyramid, Family::Row, rowColour);
    drawFamily(form, pyramid, Family::RightEdge, Colour::Black);
    drawFamily(form, pyramid, Family::LeftEdge, Colour::Black);
}

// The upper pair is the back key's subtraction; the lower pair shows the front key's operands
// the other way round.
void drawKeySubtractions(MainForm& form) {
    Surface& s = form.surface;
    const ProgramState& state = form.state;
    const QString minus = QStringLiteral("-");
    s.setFontSize(kLabelFontSize);
    s.drawText(kUpperMinuend, state.ReducedRowTotalText, Colour::DarkGreen);
    s.drawText(kUpperSubtrahend, minus + state.LastRowText, Colour::DarkGreen);
    s.drawText(kLowerMinuend, state.LastRowText, Colour::DarkGreen);
    s.drawText(kLowerSubtrahend, minus + state.RowTotalText, Colour::DarkGreen);
}

} // namespace

// Draws only what the last successful prediction kept, never the boxes' current numbers.
void BUTTON6_ON(MainForm& form) {
    if (form.state.PredictionShown != 0) {
        form.surface.setFontSize(kLabelFontSize);
        drawPyramidLabels(form, Pressure::High, Colour::Red);
        drawPyramidLabels(form, Pressure::Low, Colour::Blue);
        drawKeySubtractions(form);
    }
    form.surface.setFontSize(RestingFontSize);
}
