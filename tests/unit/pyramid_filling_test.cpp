#include "game_profiles.h"
#include "prediction_fixture.h"
#include "pyramid_filling.h"

#include <gtest/gtest.h>

namespace {

// Every box's kept text is its box number, two digits, so the drawn cells show which box they
// come from.
void keepBoxNumbers(FakeWindow& w) {
    for (int box = 1; box <= w.profile.numberBoxCount(); ++box)
        w.state.DrawNumberText[box - 1] = QStringLiteral("%1").arg(box, 2, 10, QLatin1Char('0'));
}

// The cells drawn after the two titles of the empty area.
QStringList drawnCells(const RecordingSurface& surface) {
    QStringList cells = surface.textCalls();
    cells.removeIf([](const QString& call) { return call.contains(u"気圧型"); });
    return cells;
}

TEST(PyramidFilling, SevenNumberGameDrawsOneToTwentyOneAtTheTextPoints) {
    FakeWindow w(kRk7klvn);
    keepBoxNumbers(w);
    KOUTEIKIATU(w.mainForm);

    QStringList cells = drawnCells(w.surface);
    QStringList high = cells.mid(0, 21);
    QStringList low = cells.mid(21);
    QStringList expectedHigh = kOneToTwentyOneHighCells;
    QStringList expectedLow = kOneToTwentyOneLowCells;
    for (QStringList* list : {&high, &low, &expectedHigh, &expectedLow})
        std::sort(list->begin(), list->end());
    EXPECT_EQ(high, expectedHigh);
    EXPECT_EQ(low, expectedLow);
}

TEST(PyramidFilling, PaintsTheEmptyAreaFirstAndEndsAtSizeEighteen) {
    FakeWindow w(kRk7klvn);
    keepBoxNumbers(w);
    w.surface.setFontSize(14);
    KOUTEIKIATU(w.mainForm);

    const QStringList painted = w.surface.paintCalls();
    EXPECT_EQ(painted.first(), QStringLiteral("fill 96,157-188,180 c15"));
    // Every white square comes before the first number.
    const qsizetype firstNumber = painted.indexOf(QStringLiteral("text 130,190 c5 '15'"));
    ASSERT_GT(firstNumber, 0);
    EXPECT_EQ(painted.mid(firstNumber).filter(u"fill").size(), 0);
    EXPECT_EQ(w.surface.fontSize, 18);
}

struct BonusCell {
    const char* name;
    const char16_t* bonusBox;
    const char16_t* highCall;
    const char16_t* lowCall;
};

class SixNumberBonusCells : public testing::TestWithParam<BonusCell> {};

TEST_P(SixNumberBonusCells, HoldTheBonusNumbersInTheInnerCells) {
    FakeWindow w(kRk6klvn);
    keepBoxNumbers(w);
    KOUTEIKIATU(w.mainForm);

    const BonusCell& row = GetParam();
    const QString text = QString::fromUtf16(row.bonusBox);
    const QStringList cells = drawnCells(w.surface).filter(u'\'' + text + u'\'');
    EXPECT_EQ(cells, texts({row.highCall, row.lowCall}));
}

// Drawn row and place: draw 1's bonus at (4,2) left and (3,1) right, draw 3's the other way
// round, draw 2's at (4,1) in both.
INSTANTIATE_TEST_SUITE_P(
    Rows, SixNumberBonusCells,
    testing::Values(BonusCell{"DrawOne", u"07", u"18 130,310 c5 '07'", u"18 375,280 c3 '07'"},
                    BonusCell{"DrawTwo", u"14", u"18 100,310 c5 '14'", u"18 360,310 c3 '14'"},
                    BonusCell{"DrawThree", u"21", u"18 115,280 c5 '21'", u"18 390,310 c3 '21'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PyramidFilling, MiniGameDrawsFifteenCellsPerPyramid) {
    FakeWindow w(kMiniklvn);
    keepBoxNumbers(w);
    w.state.DrawNumberText[15] = QStringLiteral("!!"); // EDIT16 exists but is never drawn
    KOUTEIKIATU(w.mainForm);

    const QStringList cells = drawnCells(w.surface);
    ASSERT_EQ(cells.size(), 30);
    EXPECT_TRUE(cells.contains(QStringLiteral("18 130,190 c5 '11'"))); // apex left: EDIT11
    EXPECT_TRUE(cells.contains(QStringLiteral("18 390,190 c3 '01'"))); // apex right: EDIT1
    // The bottom row of five cells runs from x 65 on the left and from 325 on the right.
    EXPECT_TRUE(cells.contains(QStringLiteral("18 70,310 c5 '09'")));
    EXPECT_TRUE(cells.contains(QStringLiteral("18 190,310 c5 '15'")));
    EXPECT_TRUE(cells.contains(QStringLiteral("18 330,310 c3 '09'")));
    EXPECT_TRUE(cells.contains(QStringLiteral("18 450,310 c3 '05'")));
    EXPECT_EQ(cells.filter(QStringLiteral(",340 ")).size(), 0);
    EXPECT_EQ(cells.filter(QStringLiteral("'!!'")).size(), 0);
}

} // namespace
