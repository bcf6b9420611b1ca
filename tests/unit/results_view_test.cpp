#include "base_screen.h"
#include "game_profiles.h"
#include "prediction.h"
#include "prediction_fixture.h"
#include "results_view.h"

#include <gtest/gtest.h>

namespace {

// The drawing of the results view after predicting 1 to 21 in the seven-number game.
const QStringList kOneToTwentyOneView = texts({
    u"size 14",
    // Left pyramid: rows in red, then the right-edge and left-edge families in black.
    u"text 88,220 c5 ' 17'",
    u"line 106,228-108,228 c5",
    u"text 73,250 c5 ' 33'",
    u"line 91,258-93,258 c5",
    u"text 58,280 c5 ' 04'",
    u"line 76,288-78,288 c5",
    u"text 43,310 c5 ' 09'",
    u"line 61,318-63,318 c5",
    u"text 28,340 c5 ' 05'",
    u"line 46,348-48,348 c5",
    u"text 103,185 c0 ' 31'",
    u"line 116,199-121,202 c0",
    u"text 83,200 c0 ' 31'",
    u"line 101,210-106,212 c0",
    u"text 68,230 c0 ' 34'",
    u"line 86,240-91,242 c0",
    u"text 53,260 c0 ' 28'",
    u"line 71,270-76,272 c0",
    u"text 38,290 c0 ' 22'",
    u"line 56,300-61,302 c0",
    u"text 158,185 c0 ' 29'",
    u"line 159,195-155,199 c0",
    u"text 168,200 c0 ' 04'",
    u"line 170,211-168,213 c0",
    u"text 183,230 c0 ' 34'",
    u"line 185,241-183,243 c0",
    u"text 198,260 c0 ' 30'",
    u"line 199,271-197,273 c0",
    u"text 213,290 c0 ' 03'",
    u"line 214,301-212,303 c0",
    // Right pyramid: rows in blue; its right edge stands apart from the moved layout.
    u"text 348,220 c3 ' 17'",
    u"line 366,228-368,228 c3",
    u"text 333,250 c3 ' 33'",
    u"line 351,258-353,258 c3",
    u"text 318,280 c3 ' 18'",
    u"line 336,288-338,288 c3",
    u"text 303,310 c3 ' 37'",
    u"line 321,318-323,318 c3",
    u"text 288,340 c3 ' 14'",
    u"line 306,348-308,348 c3",
    u"text 363,184 c0 ' 21'",
    u"line 376,199-381,203 c0",
    u"text 343,200 c0 ' 36'",
    u"line 361,210-366,212 c0",
    u"text 328,230 c0 ' 25'",
    u"line 346,240-351,242 c0",
    u"text 313,260 c0 ' 05'",
    u"line 331,270-336,272 c0",
    u"text 298,290 c0 ' 22'",
    u"line 316,300-321,302 c0",
    u"text 418,185 c0 ' 29'",
    u"line 419,195-415,199 c0",
    u"text 428,200 c0 ' 32'",
    u"line 430,211-428,213 c0",
    u"text 443,230 c0 ' 11'",
    u"line 445,241-443,243 c0",
    u"text 458,260 c0 ' 30'",
    u"line 459,271-457,273 c0",
    u"text 473,290 c0 ' 12'",
    u"line 474,301-472,303 c0",
    u"size 14",
    u"text 251,257 c8 ' 35'",
    u"text 271,257 c8 '- 22'",
    u"text 251,310 c8 ' 22'",
    u"text 271,310 c8 '- 35'",
    u"size 18",
});

void predict(FakeWindow& w, const std::array<std::vector<int>, 3>& draws) {
    enterDraws(w, draws, QStringLiteral("1235"));
    BUTTON5_ON(w.mainForm);
    ASSERT_EQ(w.state.PredictionShown, 1);
    w.surface.calls.clear();
}

TEST(ResultsView, LabelsEveryLineOfOneToTwentyOne) {
    FakeWindow w(kRk7klvn);
    predict(w, kOneToTwentyOne);
    BUTTON6_ON(w.mainForm);
    EXPECT_EQ(w.surface.calls, kOneToTwentyOneView);
}

TEST(ResultsView, PressedTwiceDrawsTheSamePicture) {
    FakeWindow w(kRk7klvn);
    predict(w, kOneToTwentyOne);
    BUTTON6_ON(w.mainForm);
    BUTTON6_ON(w.mainForm);
    EXPECT_EQ(w.surface.calls, kOneToTwentyOneView + kOneToTwentyOneView);
}

TEST(ResultsView, ShowsTheKeptSumsNotTheBoxesTypedSince) {
    FakeWindow w(kRk7klvn);
    predict(w, kOneToTwentyOne);
    w.form.fill(numberBoxesOfRow(kRk7klvn, 1), typed({30, 31, 32, 33, 34, 35, 36}));
    BUTTON6_ON(w.mainForm);
    EXPECT_EQ(w.surface.calls, kOneToTwentyOneView);
}

struct LockedRow {
    const char* name;
    void (*setUp)(FakeWindow&);
};

class ResultsViewLocked : public testing::TestWithParam<LockedRow> {};

TEST_P(ResultsViewLocked, OnlySetsTheDrawingFont) {
    FakeWindow w(kRk7klvn);
    GetParam().setUp(w);
    w.surface.calls.clear();
    BUTTON6_ON(w.mainForm);
    EXPECT_EQ(w.surface.calls, QStringList{QStringLiteral("size 18")});
}

INSTANTIATE_TEST_SUITE_P(Rows, ResultsViewLocked,
                         testing::Values(LockedRow{"AtStart", [](FakeWindow&) {}},
                                         LockedRow{"AfterReset",
                                                   [](FakeWindow& w) {
                                                       predict(w, kOneToTwentyOne);
                                                       TAITORUKIHON(w.mainForm);
                                                   }},
                                         LockedRow{"AfterFailedPrediction",
                                                   [](FakeWindow& w) {
                                                       predict(w, kOneToTwentyOne);
                                                       w.form.texts[QStringLiteral("EDIT9")] =
                                                           QStringLiteral("0");
                                                       BUTTON5_ON(w.mainForm);
                                                   }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResultsView, MiniGameLabelsFourLinesPerFamily) {
    FakeWindow w(kMiniklvn);
    predict(w, kOneToFifteen);
    BUTTON6_ON(w.mainForm);

    const QStringList calls = w.surface.calls;
    EXPECT_EQ(calls.filter(u"text").size(), 2 * 12 + 4);
    EXPECT_EQ(calls.filter(u"line").size(), 2 * 12);
    // Rows in red (lines 9..12), then the right edge (1..4) and the left edge (5..8).
    EXPECT_EQ(calls[1], QStringLiteral("text 88,220 c5 ' 14'"));
    EXPECT_EQ(calls[7], QStringLiteral("text 43,310 c5 ' 14'"));
    EXPECT_EQ(calls[9], QStringLiteral("text 103,185 c0 ' 03'"));
    EXPECT_EQ(calls[17], QStringLiteral("text 158,185 c0 ' 02'"));
    EXPECT_EQ(calls[23], QStringLiteral("text 198,260 c0 ' 20'"));
    EXPECT_EQ(calls[31], QStringLiteral("text 303,310 c3 ' 04'"));
    EXPECT_EQ(calls[33], QStringLiteral("text 363,184 c0 ' 15'"));
    EXPECT_TRUE(calls.filter(QStringLiteral(",340 ")).isEmpty());
    EXPECT_TRUE(calls.filter(QStringLiteral(",290 ")).isEmpty());
    EXPECT_EQ(calls.mid(calls.size() - 6),
              texts({u"size 14", u"text 251,257 c8 ' 18'", u"text 271,257 c8 '- 18'",
                     u"text 251,310 c8 ' 18'", u"text 271,310 c8 '- 18'", u"size 18"}));
}

TEST(ResultsView, SixNumberGameLabelsTheWrappedSums) {
    FakeWindow w(kRk6klvn);
    predict(w, kOneToTwentyOne);
    BUTTON6_ON(w.mainForm);

    const QStringList calls = w.surface.calls;
    EXPECT_TRUE(calls.contains(QStringLiteral("text 343,200 c0 ' 39'"))); // 82 on line 2
    EXPECT_TRUE(calls.contains(QStringLiteral("text 328,230 c0 ' 10'"))); // 53 on line 3
    EXPECT_TRUE(calls.contains(QStringLiteral("text 298,290 c0 ' 24'"))); // line 5
    for (const QString& call : calls.filter(QStringLiteral(" c0 '"))) {
        const QString label = call.section(u'\'', 1, 1);
        EXPECT_EQ(label.size(), 3) << call.toStdString();
        EXPECT_LE(label.toInt(), 43) << call.toStdString();
    }
}

TEST(ResultsView, KeyTextsKeepTheirBlankWithoutLeadingZero) {
    FakeWindow w(kRk7klvn);
    w.state.PredictionShown = 1;
    w.state.LowLineText.fill(QStringLiteral(" 3"));
    w.state.HighLineText.fill(QStringLiteral(" 37"));
    w.state.RowTotalText = QStringLiteral(" 5");
    w.state.ReducedRowTotalText = QStringLiteral(" 12");
    w.state.LastRowText = QStringLiteral(" 7");
    BUTTON6_ON(w.mainForm);

    const QStringList calls = w.surface.calls;
    EXPECT_TRUE(calls.contains(QStringLiteral("text 88,220 c5 ' 37'")));
    EXPECT_TRUE(calls.contains(QStringLiteral("text 348,220 c3 ' 03'")));
    EXPECT_EQ(calls.mid(calls.size() - 5),
              texts({u"text 251,257 c8 ' 12'", u"text 271,257 c8 '- 7'", u"text 251,310 c8 ' 7'",
                     u"text 271,310 c8 '- 5'", u"size 18"}));
    EXPECT_EQ(w.surface.fontSize, 18);
}

} // namespace
