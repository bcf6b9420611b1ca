#include "pyramid.h"

#include "game_profile.h"
#include "number_text.h"
#include "program_state.h"

#include <cstdlib>
#include <functional>

namespace {

// Each inner pyramid of the spiral starts one row up and one place right, three cells shorter.
constexpr int kInnerSideStep = 3;
constexpr int kKeyTextLength = 2;

// Appends the rim of the pyramid whose bottom-left cell is (r0, p0): the bottom row to the right,
// up the right edge to the apex, down the left edge to just above the start.
void appendRim(std::vector<PyramidCell>& cells, int r0, int p0, int side) {
    for (int i = 0; i < side; ++i)
        cells.push_back({r0, p0 + i});
    for (int i = 1; i < side; ++i)
        cells.push_back({r0 + i, p0 + side - 1 - i});
    for (int i = 1; i < side - 1; ++i)
        cells.push_back({r0 + side - 1 - i, p0});
}

// Spiral position (1-based) of every cell, indexed [r][p].
std::vector<std::vector<int>> spiralPositions(int side) {
    std::vector<std::vector<int>> positions(side + 1, std::vector<int>(side, 0));
    const std::vector<PyramidCell> order = spiralOrder(side);
    for (std::size_t i = 0; i < order.size(); ++i)
        positions[order[i].r][order[i].p] = static_cast<int>(i) + 1;
    return positions;
}

// The spiral positions of the cells that satisfy onLine, bottom row first, left to right.
std::vector<int> lineThrough(int side, const std::vector<std::vector<int>>& positions,
                             const std::function<bool(PyramidCell)>& onLine) {
    std::vector<int> line;
    for (int r = 1; r <= side; ++r) {
        for (int p = 0; p <= side - r; ++p) {
            if (onLine({r, p}))
                line.push_back(positions[r][p]);
        }
    }
    return line;
}

int drawValue(const DrawValues& draws, DrawSlot at) {
    return draws[at.draw - 1][at.slot - 1];
}

std::vector<int> fillPyramid(const GameProfile& profile, const DrawValues& draws,
                             Pressure pyramid) {
    std::vector<int> cells;
    for (DrawSlot at : fillSequence(profile, pyramid))
        cells.push_back(drawValue(draws, at));
    return cells;
}

// Folds a sum into the game's range through the wrap helper's slots.
int wrapped(const GameProfile& profile, ProgramState& helpers, int sum) {
    helpers.WrapIn = sum;
    profile.wrapHelper(helpers);
    return helpers.WrapOut;
}

PyramidSums sumLines(const GameProfile& profile, ProgramState& helpers, std::vector<int> cells,
                     const std::vector<std::vector<int>>& lines) {
    PyramidSums sums;
    sums.cells = std::move(cells);
    for (const std::vector<int>& line : lines) {
        int raw = 0;
        for (int position : line)
            raw += sums.cells[position - 1];
        sums.rawLineSums.push_back(raw);
        sums.lineSums.push_back(wrapped(profile, helpers, raw));
    }
    return sums;
}

// The front key steps back into the range by a whole turn of the pool; the back key takes the
// distance instead, so a negative difference keeps its size.
KeyNumbers keyNumbers(const GameProfile& profile, ProgramState& helpers, const PyramidSums& low) {
    const int rowLines = profile.PyramidSide - 1;
    int rawRows = 0;
    int wrappedRows = 0;
    for (int k = 0; k < rowLines; ++k) {
        rawRows += low.rawLineSums[k];
        wrappedRows += low.lineSums[k];
    }
    KeyNumbers keys{};
    keys.rowTotal = wrapped(profile, helpers, rawRows);
    keys.lastRow = low.lineSums[rowLines - 1];
    keys.front = keys.rowTotal - keys.lastRow;
    if (keys.front <= 0)
        keys.front += profile.PoolSize;
    keys.reducedRowTotal = wrapped(profile, helpers, wrappedRows);
    keys.back = keys.reducedRowTotal - keys.lastRow;
    if (keys.back == 0)
        keys.back = profile.PoolSize;
    keys.back = std::abs(keys.back);
    return keys;
}

QString keyText(int key) {
    QString text = numberText(key);
    if (text.size() == 2)
        text = u'0' + text.mid(1);
    return lastChars(text, kKeyTextLength);
}

QStringList lineTexts(const PyramidSums& sums) {
    QStringList texts;
    for (int sum : sums.lineSums)
        texts << numberText(sum);
    return texts;
}

} // namespace

std::vector<PyramidCell> spiralOrder(int side) {
    std::vector<PyramidCell> cells;
    for (int r0 = 1, p0 = 0; side > 0; ++r0, ++p0, side -= kInnerSideStep)
        appendRim(cells, r0, p0, side);
    return cells;
}

std::vector<std::vector<int>> pyramidLines(int side) {
    const std::vector<std::vector<int>> positions = spiralPositions(side);
    std::vector<std::vector<int>> lines;
    for (int k = 1; k < side; ++k)
        lines.push_back(lineThrough(side, positions, [k](PyramidCell c) { return c.r == k; }));
    for (int k = 1; k < side; ++k)
        lines.push_back(lineThrough(side, positions, [k](PyramidCell c) { return c.p == k - 1; }));
    for (int k = 1; k < side; ++k)
        lines.push_back(
            lineThrough(side, positions, [k](PyramidCell c) { return c.r + c.p == k + 1; }));
    return lines;
}

std::vector<DrawSlot> fillSequence(const GameProfile& profile, Pressure pyramid) {
    const std::array<int, 3> draws =
        pyramid == Pressure::Low ? std::array{1, 2, 3} : std::array{3, 2, 1};
    std::vector<DrawSlot> sequence;
    for (int draw : draws) {
        for (int slot = 1; slot <= profile.MainCount; ++slot)
            sequence.push_back({draw, slot});
    }
    for (auto draw = draws.rbegin(); draw != draws.rend(); ++draw) {
        for (int slot = profile.MainCount + 1; slot <= profile.RowSize; ++slot)
            sequence.push_back({*draw, slot});
    }
    return sequence;
}

PyramidPrediction predictFromDraws(const GameProfile& profile, const DrawValues& draws) {
    ProgramState helpers;
    const std::vector<std::vector<int>> lines = pyramidLines(profile.PyramidSide);

    PyramidPrediction result;
    result.low = sumLines(profile, helpers, fillPyramid(profile, draws, Pressure::Low), lines);
    result.keys = keyNumbers(profile, helpers, result.low);
    result.high = sumLines(profile, helpers, fillPyramid(profile, draws, Pressure::High), lines);

    result.frontKeyText = keyText(result.keys.front);
    result.backKeyText = keyText(result.keys.back);
    result.lowLineTexts = lineTexts(result.low);
    result.highLineTexts = lineTexts(result.high);
    result.rowTotalText = numberText(result.keys.rowTotal);
    result.reducedRowTotalText = numberText(result.keys.reducedRowTotal);
    result.lastRowText = numberText(result.keys.lastRow);
    return result;
}
