#pragma once

#include "pressure.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

struct GameProfile;

// A cell of a number pyramid as the computation sees it: r is the row counted from the bottom
// (1..side), p the position in that row from the left (0..side - r).
struct PyramidCell {
    int r, p;
    friend constexpr bool operator==(PyramidCell, PyramidCell) = default;
};

// The cells in the order in which a fill sequence takes them (P1, P2, ...): an inward spiral
// from the bottom-left cell along the bottom row, up the right edge, down the left edge, then
// the same walk on the inner pyramid.
std::vector<PyramidCell> spiralOrder(int side);

// Every straight line of two or more cells, numbered as the program shows them: the rows from
// the bottom, then the lines parallel to the left edge from the edge inwards, then the lines
// parallel to the right edge from the shortest outwards. Each line lists the spiral positions
// (1 for P1) of its cells from the bottom up, left to right within a row.
std::vector<std::vector<int>> pyramidLines(int side);

// One number of the entered draws: draw 1..3 (1 = most recent), slot 1..RowSize of its row
// (main numbers ascending, then the bonus).
struct DrawSlot {
    int draw, slot;
    friend constexpr bool operator==(DrawSlot, DrawSlot) = default;
};

// Which number each spiral position of a pyramid takes. The low-pressure pyramid starts with the
// most recent draw, the high-pressure one with the oldest; the bonus numbers follow all main
// numbers, in the opposite order of draws.
std::vector<DrawSlot> fillSequence(const GameProfile& profile, Pressure pyramid);

// The checked numbers of the three draws, indexed [draw - 1][slot - 1].
inline constexpr int kMaxRowSize = 7;
using DrawValues = std::array<std::array<int, kMaxRowSize>, 3>;

// One filled pyramid and the sums of its lines (index = line - 1).
struct PyramidSums {
    std::vector<int> cells; // values of P1, P2, ...
    std::vector<int> rawLineSums;
    std::vector<int> lineSums; // wrapped into 1..PoolSize
};

// The two key numbers come from the rows of the low-pressure pyramid.
struct KeyNumbers {
    int rowTotal;        // all cells but the apex, wrapped
    int reducedRowTotal; // the wrapped row sums added and wrapped again
    int lastRow;         // wrapped sum of the row under the apex
    int front;
    int back;
};

// Everything one prediction computes, with the texts the window shows of it.
struct PyramidPrediction {
    PyramidSums low;
    PyramidSums high;
    KeyNumbers keys;
    QString frontKeyText; // two digits
    QString backKeyText;
    // Texts kept for the results view: number texts, one leading blank, no leading zero.
    QStringList lowLineTexts;
    QStringList highLineTexts;
    QString rowTotalText;
    QString reducedRowTotalText;
    QString lastRowText;
};

// Builds both pyramids from the checked draws, sums their lines through the game's wrap helper
// and derives the key numbers. Depends on nothing but its arguments.
PyramidPrediction predictFromDraws(const GameProfile& profile, const DrawValues& draws);
