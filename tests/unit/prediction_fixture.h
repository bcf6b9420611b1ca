#pragma once

#include "fake_platform.h"
#include "field_map.h"
#include "pyramid.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// Texts of whole numbers as a user types them: no blank, no leading zero.
inline QStringList typed(const std::vector<int>& numbers) {
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    return texts;
}

// Types the three draws (most recent first) and the latest draw number into the window.
inline void enterDraws(FakeWindow& w, const std::array<std::vector<int>, 3>& draws,
                       const QString& latestDrawNumber) {
    for (int row = 1; row <= 3; ++row)
        w.form.fill(numberBoxesOfRow(w.profile, row), typed(draws[row - 1]));
    w.form.texts[drawNumberBoxOfRow(1)] = latestDrawNumber;
}

// The same draws as the pyramid computation takes them.
inline DrawValues drawValues(const std::array<std::vector<int>, 3>& draws) {
    DrawValues values{};
    for (std::size_t d = 0; d < 3; ++d) {
        for (std::size_t i = 0; i < draws[d].size(); ++i)
            values[d][i] = draws[d][i];
    }
    return values;
}

// Draws of a worked example: 3, 11, 17 ... in the seven-number game.
inline const std::array<std::vector<int>, 3> kWorkedExample{{
    {3, 11, 17, 22, 28, 31, 36},
    {1, 5, 9, 14, 20, 26, 33},
    {2, 7, 12, 19, 24, 30, 35},
}};

// The numbers 1 to 21 in order over the three rows; in the six-number game 7, 14 and 21 are the
// bonus numbers.
inline const std::array<std::vector<int>, 3> kOneToTwentyOne{{
    {1, 2, 3, 4, 5, 6, 7},
    {8, 9, 10, 11, 12, 13, 14},
    {15, 16, 17, 18, 19, 20, 21},
}};

// The numbers 1 to 15 over the three rows of the mini game.
inline const std::array<std::vector<int>, 3> kOneToFifteen{{
    {1, 2, 3, 4, 5},
    {6, 7, 8, 9, 10},
    {11, 12, 13, 14, 15},
}};

inline QStringList texts(std::initializer_list<const char16_t*> items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}
