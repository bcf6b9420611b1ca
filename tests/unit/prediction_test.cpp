#include "game_profiles.h"
#include "prediction.h"
#include "prediction_fixture.h"
#include "results_view.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <random>

namespace {

const QString kUnpredictable = QStringLiteral("予想不可|入力欄に不具合があります|info|ok");

// The numbers drawn into the pyramid cells: two digits at size 18 in red or blue.
QStringList cellTexts(const RecordingSurface& surface) {
    static const QRegularExpression cell(QStringLiteral("^18 \\d+,\\d+ c[35] '\\d\\d'$"));
    return surface.textCalls().filter(cell);
}

int count(const QStringList& calls, const QString& call) {
    return static_cast<int>(calls.count(call));
}

// What a failed prediction must leave alone, set up as if an earlier prediction had succeeded.
void keepEarlierPrediction(FakeWindow& w) {
    w.state.LowLineText.fill(QStringLiteral(" 7"));
    w.state.HighLineText.fill(QStringLiteral(" 8"));
    w.state.RowTotalText = QStringLiteral(" 9");
    w.state.ReducedRowTotalText = QStringLiteral(" 10");
    w.state.LastRowText = QStringLiteral(" 11");
    w.form.texts[HighListBox] = QStringLiteral("earlier high");
    w.form.texts[LowListBox] = QStringLiteral("earlier low");
    w.form.texts[FrontKeyBox] = QStringLiteral("12");
    w.form.texts[BackKeyBox] = QStringLiteral("13");
    w.state.DrawNumberText.fill(QStringLiteral("xx"));
    w.state.PredictionShown = 1;
}

void expectEarlierPredictionKept(const FakeWindow& w) {
    for (const QString& text : w.state.LowLineText)
        EXPECT_EQ(text, QStringLiteral(" 7"));
    for (const QString& text : w.state.HighLineText)
        EXPECT_EQ(text, QStringLiteral(" 8"));
    EXPECT_EQ(w.state.RowTotalText, QStringLiteral(" 9"));
    EXPECT_EQ(w.state.ReducedRowTotalText, QStringLiteral(" 10"));
    EXPECT_EQ(w.state.LastRowText, QStringLiteral(" 11"));
    EXPECT_EQ(w.form.text(HighListBox), QStringLiteral("earlier high"));
    EXPECT_EQ(w.form.text(LowListBox), QStringLiteral("earlier low"));
    EXPECT_EQ(w.form.text(FrontKeyBox), QStringLiteral("12"));
    EXPECT_EQ(w.form.text(BackKeyBox), QStringLiteral("13"));
    EXPECT_EQ(w.state.PredictionShown, 0);
    EXPECT_TRUE(cellTexts(w.surface).isEmpty());
    EXPECT_EQ(w.surface.textCalls().filter(QStringLiteral("回予想")).size(), 0);
}

TEST(Prediction, WorkedExampleFillsKeysAndBothLists) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, kWorkedExample, QStringLiteral("1235"));
    BUTTON5_ON(w.mainForm);

    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(w.form.text(LowListBox),
              QStringLiteral(" 01, 02, 05, 10, 13, 18, 19, 20, 21, 21, 22, 24, 24, 27, 29"));
    EXPECT_EQ(w.form.text(HighListBox),
              QStringLiteral(" 05, 10, 14, 14, 19, 20, 20, 20, 22, 24, 24, 24, 25, 25, 29"));
    EXPECT_EQ(w.form.text(LowListBox).size(), 59);
    EXPECT_EQ(w.form.text(FrontKeyBox), QStringLiteral("09"));
    EXPECT_EQ(w.form.text(BackKeyBox), QStringLiteral("28"));
    EXPECT_EQ(w.state.PredictionShown, 1);
    EXPECT_EQ(w.state.LowLineText[0], QStringLiteral(" 1"));
    EXPECT_EQ(w.state.LowLineText[14], QStringLiteral(" 22"));
    EXPECT_EQ(w.state.HighLineText[3], QStringLiteral(" 25"));
    EXPECT_EQ(w.state.RowTotalText, QStringLiteral(" 1"));
    EXPECT_EQ(w.state.ReducedRowTotalText, QStringLiteral(" 1"));
    EXPECT_EQ(w.state.LastRowText, QStringLiteral(" 29"));
}

TEST(Prediction, WritesDrawNumbersKeysThenLowAndHighLists) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, kWorkedExample, QStringLiteral("1235"));
    BUTTON5_ON(w.mainForm);

    const QStringList tail = w.form.writes.mid(w.form.writes.size() - 6);
    EXPECT_EQ(tail,
              texts({u"EDIT27=' 1234'", u"EDIT28=' 1233'", u"EDIT23='09'", u"EDIT26='28'",
                     u"EDIT25=' 01, 02, 05, 10, 13, 18, 19, 20, 21, 21, 22, 24, 24, 27, 29'",
                     u"EDIT24=' 05, 10, 14, 14, 19, 20, 20, 20, 22, 24, 24, 24, 25, 25, 29'"}));
}

TEST(Prediction, SortsEachDrawInItsBoxes) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, {{{30, 5, 12, 1, 37, 20, 8}, kWorkedExample[1], kWorkedExample[2]}},
               QStringLiteral("100"));
    BUTTON5_ON(w.mainForm);

    QStringList row1;
    for (const QString& box : numberBoxesOfRow(kRk7klvn, 1))
        row1 << w.form.text(box);
    EXPECT_EQ(row1, texts({u" 1", u" 5", u" 8", u"12", u"20", u"30", u"37"}));
    EXPECT_EQ(w.state.DrawNumberText[0], QStringLiteral("01"));
    EXPECT_EQ(w.state.DrawNumberText[6], QStringLiteral("37"));
    EXPECT_EQ(w.state.PredictionShown, 1);
}

TEST(Prediction, SixNumberGameWritesSortedNumbersWithoutBlankAndKeepsTheBonusBox) {
    FakeWindow w(kRk6klvn);
    enterDraws(w, {{{9, 3, 40, 12, 1, 43, 2}, kOneToTwentyOne[1], kOneToTwentyOne[2]}},
               QStringLiteral("1235"));
    w.form.texts[QStringLiteral("EDIT7")] = QStringLiteral("02");
    BUTTON5_ON(w.mainForm);

    QStringList row1;
    for (const QString& box : numberBoxesOfRow(kRk6klvn, 1))
        row1 << w.form.text(box);
    EXPECT_EQ(row1, texts({u"1", u"3", u"9", u"12", u"40", u"43", u"02"}));
    EXPECT_EQ(w.state.DrawNumberText[6], QStringLiteral("02"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT27")), QStringLiteral(" 1234"));
    EXPECT_EQ(w.state.PredictionShown, 1);
}

TEST(Prediction, SixNumberGameKeepsTheLastSixCharactersOfDrawNumbers) {
    FakeWindow w(kRk6klvn);
    enterDraws(w, kOneToTwentyOne, QStringLiteral("123457"));
    BUTTON5_ON(w.mainForm);
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT27")), QStringLiteral("123456"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT28")), QStringLiteral("123455"));

    FakeWindow seven(kRk7klvn);
    enterDraws(seven, kOneToTwentyOne, QStringLiteral("123457"));
    BUTTON5_ON(seven.mainForm);
    EXPECT_EQ(seven.form.text(QStringLiteral("EDIT27")), QStringLiteral(" 123456"));
}

TEST(Prediction, MiniGameListsTwelveSums) {
    FakeWindow w(kMiniklvn);
    enterDraws(w, kOneToFifteen, QStringLiteral("500"));
    BUTTON5_ON(w.mainForm);

    EXPECT_EQ(w.form.text(LowListBox),
              QStringLiteral(" 02, 04, 07, 10, 12, 12, 14, 14, 15, 18, 24, 27"));
    EXPECT_EQ(w.form.text(HighListBox),
              QStringLiteral(" 02, 02, 03, 13, 14, 14, 15, 17, 18, 20, 24, 28"));
    EXPECT_EQ(w.form.text(LowListBox).size(), 47);
    EXPECT_EQ(w.form.text(FrontKeyBox), QStringLiteral("31"));
    EXPECT_EQ(w.form.text(BackKeyBox), QStringLiteral("31"));
    EXPECT_EQ(w.state.LastRowText, QStringLiteral(" 18"));
    EXPECT_EQ(cellTexts(w.surface).size(), 30);
    EXPECT_FALSE(w.form.texts.contains(QStringLiteral("EDIT16"))); // never read or written
}

struct HeaderRow {
    const char* name;
    const GameProfile* profile;
    const char16_t* latest;
    const char16_t* bar;
    const char16_t* header;
};

class PredictionHeader : public testing::TestWithParam<HeaderRow> {};

// The header follows the base screen's title and repeats the bar with its own right edge.
TEST_P(PredictionHeader, NamesTheNextDraw) {
    const HeaderRow& row = GetParam();
    FakeWindow w(*row.profile);
    enterDraws(w, row.profile == &kMiniklvn ? kOneToFifteen : kOneToTwentyOne,
               QString::fromUtf16(row.latest));
    BUTTON5_ON(w.mainForm);

    const QStringList calls = w.surface.calls;
    const qsizetype bar = calls.lastIndexOf(QString::fromUtf16(row.bar));
    ASSERT_GE(bar, 0);
    ASSERT_LE(bar + 4, calls.size() - 1);
    EXPECT_EQ(calls[bar + 1], QStringLiteral("bold on"));
    EXPECT_TRUE(calls[bar + 2].startsWith(u"text 194,8 c3 '"));
    EXPECT_EQ(calls[bar + 3], QStringLiteral("bold off"));
    EXPECT_EQ(calls[bar + 4], QString::fromUtf16(row.header));
    EXPECT_EQ(w.surface.textCalls().filter(QStringLiteral("回予想")),
              QStringList{QStringLiteral("18 ") + calls[bar + 4].mid(5)});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PredictionHeader,
    testing::Values(HeaderRow{"Seven", &kRk7klvn, u"1235", u"fill 176,5-497,30 c13",
                              u"text 366,10 c3 ' 1236 回予想'"},
                    HeaderRow{"Six", &kRk6klvn, u"1235", u"fill 176,5-503,30 c11",
                              u"text 351,10 c3 ' 1236 回予想'"},
                    HeaderRow{"Mini", &kMiniklvn, u"1235", u"fill 176,5-497,30 c13",
                              u"text 386,10 c3 ' 1236 回予想'"},
                    HeaderRow{"SmallestDrawNumber", &kRk7klvn, u"3", u"fill 176,5-497,30 c13",
                              u"text 366,10 c3 ' 4 回予想'"},
                    HeaderRow{"SevenDigitsLeftOut", &kRk7klvn, u"999999", u"fill 176,5-497,30 c13",
                              u"text 366,10 c3 ' 回予想'"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Prediction, DrawsKeyLabelsAndEndsWithTheDrawingFont) {
    FakeWindow w(kRk6klvn);
    enterDraws(w, kOneToTwentyOne, QStringLiteral("1235"));
    BUTTON5_ON(w.mainForm);

    const QStringList texts = w.surface.textCalls();
    EXPECT_EQ(texts.mid(texts.size() - 3), (QStringList{QStringLiteral("16 250,203 c8 'Key数字'"),
                                                        QStringLiteral("14 247,233 c8 '表'"),
                                                        QStringLiteral("14 247,287 c8 '裏'")}));
    EXPECT_EQ(w.surface.calls.mid(w.surface.calls.size() - 4),
              (QStringList{QStringLiteral("font MS明朝"), QStringLiteral("size 16"),
                           QStringLiteral("font MS明朝"), QStringLiteral("size 18")}));
}

TEST(Prediction, FillsThePyramidCellsOfOneToTwentyOne) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, kOneToTwentyOne, QStringLiteral("1235"));
    BUTTON5_ON(w.mainForm);

    QStringList cells = cellTexts(w.surface);
    QStringList expected = kOneToTwentyOneHighCells + kOneToTwentyOneLowCells;
    // Within a pyramid the order of the cells is free; the red pyramid comes first.
    EXPECT_TRUE(cells.mid(0, 21).filter(u" c5 ").size() == 21);
    std::sort(cells.begin(), cells.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(cells, expected);
}

// A failure in the boxes: what is typed, the box that is cleared, and how the earlier draws look
// afterwards.
struct BoxFailure {
    const char* name;
    const GameProfile* profile;
    std::array<std::vector<int>, 3> draws;
    const char16_t* badBox; // typed text replaced by `typedText`; cleared afterwards
    const char16_t* typedText;
    const char16_t* clearedBox;
    int checkedDrawNumberTexts; // DrawNumberText entries written before the failure
};

class PredictionBoxFailure : public testing::TestWithParam<BoxFailure> {};

TEST_P(PredictionBoxFailure, ClearsTheBoxRedrawsTheAreasAndStops) {
    const BoxFailure& row = GetParam();
    FakeWindow w(*row.profile);
    enterDraws(w, row.draws, QStringLiteral("1235"));
    w.form.texts[QString::fromUtf16(row.badBox)] = QString::fromUtf16(row.typedText);
    keepEarlierPrediction(w);
    BUTTON5_ON(w.mainForm);

    const QString cleared = QString::fromUtf16(row.clearedBox);
    EXPECT_EQ(w.form.text(cleared), QString());
    EXPECT_TRUE(w.form.writes.contains(cleared + QStringLiteral("=''")));
    EXPECT_EQ(w.form.writes.filter(QStringLiteral("=''")).size(), 1); // only the first failure
    EXPECT_EQ(w.dialogs.messages, QStringList{kUnpredictable});
    expectEarlierPredictionKept(w);
    // The base screen draws the empty pyramids and list labels once, the failure once more.
    EXPECT_EQ(count(w.surface.calls, QStringLiteral("fill 96,157-188,180 c15")), 2);
    EXPECT_EQ(count(w.surface.calls, QStringLiteral("fill 5,376-112,471 c14")), 2);
    EXPECT_EQ(w.surface.calls.last(), QStringLiteral("size 18"));
    EXPECT_FALSE(w.form.writes.join(u' ').contains(u"EDIT27"));

    int written = 0;
    for (const QString& text : w.state.DrawNumberText)
        written += text != QStringLiteral("xx");
    EXPECT_EQ(written, row.checkedDrawNumberTexts);
}

const std::array<std::vector<int>, 3> kRepeatInDrawTwo{{
    {3, 11, 17, 22, 28, 31, 36},
    {12, 5, 12, 14, 20, 26, 33},
    {2, 7, 12, 19, 24, 30, 35},
}};

INSTANTIATE_TEST_SUITE_P(
    Rows, PredictionBoxFailure,
    testing::Values(
        BoxFailure{"EmptyBox", &kRk7klvn, kWorkedExample, u"EDIT3", u"", u"EDIT3", 0},
        BoxFailure{"Zero", &kRk7klvn, kWorkedExample, u"EDIT10", u"0", u"EDIT10", 0},
        // A sign is not a digit: "+5" reads as 0.
        BoxFailure{"PlusSign", &kRk7klvn, kWorkedExample, u"EDIT4", u"+5", u"EDIT4", 0},
        BoxFailure{"PoolSizePlusOneSeven", &kRk7klvn, kWorkedExample, u"EDIT18", u"38", u"EDIT18",
                   0},
        BoxFailure{"PoolSizePlusOneSix", &kRk6klvn, kOneToTwentyOne, u"EDIT1", u"44", u"EDIT1", 0},
        BoxFailure{"PoolSizePlusOneMini", &kMiniklvn, kOneToFifteen, u"EDIT15", u"32", u"EDIT15",
                   0},
        // Sorted, the second 12 of draw 2 lands in its third box.
        BoxFailure{"RepeatedNumber", &kRk7klvn, kRepeatInDrawTwo, u"EDIT8", u"12", u"EDIT10", 9},
        BoxFailure{"RepeatedLastNumber", &kRk7klvn, kWorkedExample, u"EDIT21", u"30", u"EDIT21",
                   20},
        BoxFailure{"BonusEqualsMainNumber", &kRk6klvn, kOneToTwentyOne, u"EDIT14", u"9", u"EDIT14",
                   13},
        BoxFailure{"EmptyBonus", &kRk6klvn, kOneToTwentyOne, u"EDIT21", u"", u"EDIT21", 20},
        BoxFailure{"BonusAbovePool", &kRk6klvn, kOneToTwentyOne, u"EDIT7", u"44", u"EDIT7", 6},
        BoxFailure{"RepeatInMini", &kMiniklvn, kOneToFifteen, u"EDIT12", u"11", u"EDIT12", 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PredictionBoxFailure, RangeFailureInDrawThreeLeavesTheEarlierDrawsSorted) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, {{{30, 5, 12, 1, 37, 20, 8}, {9, 1, 5, 14, 20, 26, 33}, kWorkedExample[2]}},
               QStringLiteral("1235"));
    w.form.texts[QStringLiteral("EDIT19")] = QStringLiteral("0");
    BUTTON5_ON(w.mainForm);

    EXPECT_EQ(w.form.text(QStringLiteral("EDIT1")), QStringLiteral(" 1"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT7")), QStringLiteral("37"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT8")), QStringLiteral(" 1"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT9")), QStringLiteral(" 5"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT10")), QStringLiteral(" 9"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT15")), QStringLiteral("2")); // not sorted
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT19")), QString());
    for (const QString& text : w.state.DrawNumberText)
        EXPECT_TRUE(text.isEmpty());
}

TEST(PredictionBoxFailure, SixNumberBonusMayEqualANumberOfAnotherDraw) {
    FakeWindow w(kRk6klvn);
    enterDraws(w, kOneToTwentyOne, QStringLiteral("1235"));
    w.form.texts[QStringLiteral("EDIT7")] = QStringLiteral("15"); // a main number of draw 3
    BUTTON5_ON(w.mainForm);
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(w.state.PredictionShown, 1);
}

TEST(PredictionBoxFailure, PoolSizeItselfIsAccepted) {
    for (const GameProfile* p : {&kRk7klvn, &kRk6klvn, &kMiniklvn}) {
        FakeWindow w(*p);
        enterDraws(w, p == &kMiniklvn ? kOneToFifteen : kOneToTwentyOne, QStringLiteral("1235"));
        w.form.texts[QStringLiteral("EDIT1")] = QString::number(p->PoolSize);
        BUTTON5_ON(w.mainForm);
        EXPECT_TRUE(w.dialogs.messages.isEmpty()) << p->programName;
        EXPECT_EQ(w.state.PredictionShown, 1);
    }
}

struct DrawNumberFailure {
    const char* name;
    const char16_t* latest;
    const char16_t* latestAfter;
    const char16_t* secondAfter;
    const char16_t* thirdAfter;
};

class PredictionDrawNumberFailure : public testing::TestWithParam<DrawNumberFailure> {};

TEST_P(PredictionDrawNumberFailure, ShowsTheMessageWithoutRedrawingTheAreas) {
    const DrawNumberFailure& row = GetParam();
    FakeWindow w(kRk7klvn);
    enterDraws(w, {{{30, 5, 12, 1, 37, 20, 8}, kWorkedExample[1], kWorkedExample[2]}},
               QString::fromUtf16(row.latest));
    keepEarlierPrediction(w);
    w.form.texts[QStringLiteral("EDIT27")] = QStringLiteral("old2");
    w.form.texts[QStringLiteral("EDIT28")] = QStringLiteral("old3");
    BUTTON5_ON(w.mainForm);

    EXPECT_EQ(w.dialogs.messages, QStringList{kUnpredictable});
    expectEarlierPredictionKept(w);
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT22")), QString::fromUtf16(row.latestAfter));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT27")), QString::fromUtf16(row.secondAfter));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT28")), QString::fromUtf16(row.thirdAfter));
    EXPECT_EQ(count(w.surface.calls, QStringLiteral("fill 96,157-188,180 c15")), 1);
    EXPECT_EQ(count(w.surface.calls, QStringLiteral("fill 5,376-112,471 c14")), 1);
    // The boxes were checked and sorted before the draw number was read.
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT1")), QStringLiteral(" 1"));
    EXPECT_EQ(w.state.DrawNumberText[0], QStringLiteral("01"));
    EXPECT_EQ(w.state.DrawNumberText[20], QStringLiteral("35"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PredictionDrawNumberFailure,
    testing::Values(DrawNumberFailure{"Two", u"2", u"2", u"old2", u"old3"},
                    DrawNumberFailure{"Empty", u"", u"", u"old2", u"old3"},
                    DrawNumberFailure{"PlusSign", u"+1234", u"+1234", u"old2", u"old3"},
                    DrawNumberFailure{"OneMillion", u"1000000", u"", u" 999999", u" 999998"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Prediction, DrawNumberThreeIsTheSmallestAccepted) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, kWorkedExample, QStringLiteral("3"));
    BUTTON5_ON(w.mainForm);
    EXPECT_TRUE(w.dialogs.messages.isEmpty());
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT27")), QStringLiteral(" 2"));
    EXPECT_EQ(w.form.text(QStringLiteral("EDIT28")), QStringLiteral(" 1"));
    EXPECT_EQ(w.state.PredictionShown, 1);
}

TEST(Prediction, FailureAfterASuccessLeavesTheResultsViewLocked) {
    FakeWindow w(kRk7klvn);
    enterDraws(w, kWorkedExample, QStringLiteral("1235"));
    BUTTON5_ON(w.mainForm);
    const QString lowList = w.form.text(LowListBox);
    const QString lowLine = w.state.LowLineText[0];

    w.form.texts[QStringLiteral("EDIT5")] = QString();
    BUTTON5_ON(w.mainForm);
    EXPECT_EQ(w.state.PredictionShown, 0);
    EXPECT_EQ(w.form.text(LowListBox), lowList);
    EXPECT_EQ(w.state.LowLineText[0], lowLine);

    w.surface.calls.clear();
    BUTTON6_ON(w.mainForm);
    EXPECT_EQ(w.surface.calls, QStringList{QStringLiteral("size 18")});
}

// Many random valid draws typed in any order: the lists always hold LineCount sorted items of a
// blank and two digits in the pool, the keys two digits in the pool.
class PredictionProperties : public testing::TestWithParam<const GameProfile*> {};

std::vector<int> listValues(const QString& list, int poolSize) {
    std::vector<int> values;
    for (const QString& item : list.split(u',')) {
        EXPECT_EQ(item.size(), 3) << item.toStdString();
        EXPECT_EQ(item[0], u' ');
        const int value = item.mid(1).toInt();
        EXPECT_GE(value, 1);
        EXPECT_LE(value, poolSize);
        values.push_back(value);
    }
    return values;
}

TEST_P(PredictionProperties, ListsAndKeysStayInThePool) {
    const GameProfile& p = *GetParam();
    std::mt19937 random(777u + static_cast<unsigned>(p.PoolSize));
    std::vector<int> pool(p.PoolSize);
    std::iota(pool.begin(), pool.end(), 1);
    std::uniform_int_distribution<int> drawNumber(3, 999998);
    for (int round = 0; round < 200; ++round) {
        FakeWindow w(p);
        std::array<std::vector<int>, 3> draws;
        for (auto& draw : draws) {
            std::shuffle(pool.begin(), pool.end(), random);
            draw.assign(pool.begin(), pool.begin() + p.RowSize);
        }
        enterDraws(w, draws, QString::number(drawNumber(random)));
        BUTTON5_ON(w.mainForm);
        ASSERT_TRUE(w.dialogs.messages.isEmpty());
        ASSERT_EQ(w.state.PredictionShown, 1);
        for (const QString& box : {HighListBox, LowListBox}) {
            const std::vector<int> values = listValues(w.form.text(box), p.PoolSize);
            EXPECT_EQ(static_cast<int>(values.size()), p.LineCount);
            EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
        }
        for (const QString& box : {FrontKeyBox, BackKeyBox}) {
            const QString key = w.form.text(box);
            EXPECT_EQ(key.size(), 2);
            EXPECT_GE(key.toInt(), 1);
            EXPECT_LE(key.toInt(), p.PoolSize);
        }
        EXPECT_EQ(cellTexts(w.surface).size(), 2 * p.numberBoxCount());
    }
}

INSTANTIATE_TEST_SUITE_P(Games, PredictionProperties,
                         testing::Values(&kRk7klvn, &kRk6klvn, &kMiniklvn),
                         [](const auto& info) { return std::string(info.param->programName); });

} // namespace
