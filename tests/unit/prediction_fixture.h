#pragma once

#include "fake_platform.h"
#include "field_map.h"
#include "pyramid.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

inline QStringList texts(std::initializer_list<const char16_t*> items) {
    QStringList list;
    for (const char16_t* item : items)
        list << QString::fromUtf16(item);
    return list;
}

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

// The numbers of 1 to 21 drawn into the cells, left pyramid in red, row by row from the apex.
inline const QStringList kOneToTwentyOneHighCells = texts({
    u"18 130,190 c5 '15'", u"18 115,220 c5 '01'", u"18 145,220 c5 '16'", u"18 100,250 c5 '14'",
    u"18 130,250 c5 '02'", u"18 160,250 c5 '17'", u"18 85,280 c5 '13'",  u"18 115,280 c5 '07'",
    u"18 144,280 c5 '03'", u"18 172,280 c5 '18'", u"18 70,310 c5 '12'",  u"18 100,310 c5 '06'",
    u"18 130,310 c5 '05'", u"18 160,310 c5 '04'", u"18 190,310 c5 '19'", u"18 55,340 c5 '11'",
    u"18 85,340 c5 '10'",  u"18 115,340 c5 '09'", u"18 145,340 c5 '08'", u"18 173,340 c5 '21'",
    u"18 201,340 c5 '20'",
});

// The right pyramid in blue.
inline const QStringList kOneToTwentyOneLowCells = texts({
    u"18 390,190 c3 '01'", u"18 375,220 c3 '15'", u"18 405,220 c3 '02'", u"18 360,250 c3 '14'",
    u"18 390,250 c3 '16'", u"18 420,250 c3 '03'", u"18 345,280 c3 '13'", u"18 375,280 c3 '21'",
    u"18 405,280 c3 '17'", u"18 433,280 c3 '04'", u"18 330,310 c3 '12'", u"18 360,310 c3 '20'",
    u"18 390,310 c3 '19'", u"18 420,310 c3 '18'", u"18 450,310 c3 '05'", u"18 315,340 c3 '11'",
    u"18 345,340 c3 '10'", u"18 375,340 c3 '09'", u"18 405,340 c3 '08'", u"18 433,340 c3 '07'",
    u"18 461,340 c3 '06'",
});

// The numbers 1 to 15 over the three rows of the mini game.
inline const std::array<std::vector<int>, 3> kOneToFifteen{{
    {1, 2, 3, 4, 5},
    {6, 7, 8, 9, 10},
    {11, 12, 13, 14, 15},
}};
