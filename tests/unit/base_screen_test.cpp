#include "base_screen.h"
#include "fake_platform.h"
#include "game_profiles.h"
#include "prediction_frame.h"
#include "pressure_area.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The high-pressure cells as the window lays them out, drawn row by row from the apex.
const QStringList kHighCells = {
    "fill 125,185-151,211 c15", // row 0
    "fill 110,215-136,241 c15", "fill 140,215-164,241 c15", "fill 95,245-121,271 c15",
    "fill 125,245-151,271 c15", "fill 155,245-181,271 c15", "fill 80,275-106,301 c15",
    "fill 110,275-136,301 c15", "fill 140,275-164,301 c15", "fill 168,275-192,301 c15",
    "fill 65,305-91,331 c15",   "fill 95,305-121,331 c15",  "fill 125,305-151,331 c15",
    "fill 155,305-181,331 c15", "fill 185,305-211,331 c15", "fill 50,335-76,361 c15",
    "fill 80,335-106,361 c15",  "fill 110,335-136,361 c15", "fill 140,335-164,361 c15",
    "fill 168,335-192,361 c15", "fill 196,335-222,361 c15",
};

// The low-pressure cells: the widest row first, then the rows from the apex down.
const QStringList kLowCells = {
    "fill 310,335-336,361 c15", "fill 340,335-366,361 c15", "fill 370,335-396,361 c15",
    "fill 400,335-424,361 c15", "fill 428,335-452,361 c15", "fill 456,335-482,361 c15",
    "fill 385,185-411,211 c15", "fill 370,215-396,241 c15", "fill 400,215-424,241 c15",
    "fill 355,245-381,271 c15", "fill 385,245-411,271 c15", "fill 415,245-441,271 c15",
    "fill 340,275-366,301 c15", "fill 370,275-396,301 c15", "fill 400,275-424,301 c15",
    "fill 428,275-452,301 c15", "fill 325,305-351,331 c15", "fill 355,305-381,331 c15",
    "fill 385,305-411,331 c15", "fill 415,305-441,331 c15", "fill 445,305-471,331 c15",
};

QStringList sevenNumberBaseScreen() {
    QStringList calls = {"font MS明朝",
                         "size 18",
                         "fill 0,0-648,466 c14",
                         "fill 176,5-497,30 c13",
                         "bold on",
                         "text 194,8 c3 'RIKO7  Kelvane' bold",
                         "bold off",
                         "size 14",
                         "line 192,145-480,145 c0",
                         "line 192,140-192,145 c0",
                         "line 480,140-480,145 c0",
                         "line 285,145-285,150 c0",
                         "text 266,155 c0 '本数字'",
                         "size 16",
                         "text 255,203 c8 'Key数字'",
                         "size 14",
                         "text 247,233 c8 '表'",
                         "text 247,287 c8 '裏'",
                         "text 28,18 c0 '抽選回'",
                         "text 98,44 c0 '１回前抽選'",
                         "fill 18,72-78,99 c15",
                         "text 98,80 c0 '２回前抽選'",
                         "fill 18,108-78,135 c15",
                         "text 98,116 c0 '３回前抽選'",
                         "size 18",
                         "fill 96,157-188,180 c15",
                         "size 18",
                         "text 107,160 c5 '高気圧型'"};
    calls << kHighCells;
    calls << "fill 352,157-444,180 c15"
          << "text 364,160 c3 '低気圧型'";
    calls << kLowCells;
    calls << "font MS明朝"
          << "size 14"
          << "fill 5,376-112,471 c14"
          << "text 6,374 c5 '高気圧型予想数字'"
          << "text 6,401 c3 '低気圧型予想数字'"
          << "font MS明朝"
          << "size 18";
    calls << "fill 18,72-78,99 c15"
          << "fill 18,108-78,135 c15"
          << "size 18";
    return calls;
}

TEST(BaseScreen, SevenNumberGameDrawsTheWholeSequence) {
    FakeWindow window(kRk7klvn);
    window.state.PredictionShown = 1;
    TAITORUKIHON(window.mainForm);
    EXPECT_EQ(window.surface.calls, sevenNumberBaseScreen());
    EXPECT_EQ(window.state.PredictionShown, 0);
    EXPECT_EQ(window.surface.fontName, QStringLiteral("MS明朝"));
    EXPECT_EQ(window.surface.fontSize, 18);
}

TEST(BaseScreen, SixNumberGameHasItsOwnBarBracketAndBonusMark) {
    FakeWindow window(kRk6klvn);
    TAITORUKIHON(window.mainForm);
    const QStringList painted = window.surface.paintCalls();
    EXPECT_TRUE(painted.contains("fill 176,5-503,30 c11"));
    EXPECT_TRUE(painted.contains("text 194,8 c3 'RIKO6  Kelvane' bold"));
    EXPECT_TRUE(painted.contains("line 192,145-432,145 c0"));
    EXPECT_TRUE(painted.contains("line 432,140-432,145 c0"));
    EXPECT_TRUE(painted.contains("line 488,140-488,149 c0"));
    EXPECT_TRUE(painted.contains("text 471,155 c0 'Ｂ数字'"));
    EXPECT_TRUE(painted.contains("text 250,203 c8 'Key数字'"));
    EXPECT_FALSE(painted.contains("line 410,49-455,49 c0"));
    // The bonus mark follows the bracket's label and comes before the key labels.
    EXPECT_EQ(painted.indexOf("line 488,140-488,149 c0"),
              painted.indexOf("text 266,155 c0 '本数字'") + 1);
}

TEST(BaseScreen, MiniGameHasRowSeparatorsAndFifteenCellsPerPyramid) {
    FakeWindow window(kMiniklvn);
    TAITORUKIHON(window.mainForm);
    const QStringList painted = window.surface.paintCalls();
    EXPECT_TRUE(painted.contains("fill 176,5-527,30 c13"));
    EXPECT_TRUE(painted.contains("text 194,8 c3 'Mini RIKO  Kelvane' bold"));
    EXPECT_TRUE(painted.contains("line 192,145-384,145 c0"));
    for (const char* separator :
         {"line 410,49-455,49 c0", "line 410,85-455,85 c0", "line 410,121-455,121 c0"})
        EXPECT_TRUE(painted.contains(QString::fromUtf8(separator))) << separator;
    EXPECT_FALSE(painted.contains("text 471,155 c0 'Ｂ数字'"));

    const QStringList cells = painted.filter(QRegularExpression(" c15$"));
    // Two plates, two draw-number plates drawn twice, and 15 cells per pyramid.
    EXPECT_EQ(cells.size(), 2 + 4 + 2 * 15);
    EXPECT_TRUE(cells.filter("335-").isEmpty()) << "the mini game paints nothing at y 335";
    EXPECT_TRUE(cells.contains("fill 65,305-91,331 c15"));
    EXPECT_TRUE(cells.contains("fill 445,305-471,331 c15"));
}

TEST(PressureArea, PaintsEveryCellWhiteAndLeavesSize18) {
    FakeWindow window(kRk7klvn);
    window.surface.setFontSize(14);
    window.surface.calls.clear();
    KIATUKATA(window.mainForm);
    const QStringList cells = window.surface.paintCalls().filter(QRegularExpression(" c15$"));
    EXPECT_EQ(cells.size(), 2 + 21 + 21);
    EXPECT_EQ(window.surface.fontSize, 18);
}

TEST(PressureArea, CellSquaresMatchTheDrawnLayout) {
    EXPECT_EQ(cellSquare(Pressure::High, 0, 0), (Box{125, 185, 151, 211}));
    EXPECT_EQ(cellSquare(Pressure::High, 3, 3), (Box{168, 275, 192, 301}));
    EXPECT_EQ(cellSquare(Pressure::Low, 3, 2), (Box{400, 275, 424, 301}));
    EXPECT_EQ(cellSquare(Pressure::Low, 5, 5), (Box{456, 335, 482, 361}));
}

TEST(PredictionFrame, DrawingTwiceGivesTheSamePictureAndLeavesMincho18) {
    FakeWindow window(kRk6klvn);
    window.surface.setFontName(QStringLiteral("MSｺﾞｼｯｸ"));
    window.surface.setFontSize(14);
    window.surface.calls.clear();
    YOSOUWAKU(window.mainForm);
    const QStringList once = window.surface.paintCalls();
    YOSOUWAKU(window.mainForm);
    EXPECT_EQ(window.surface.paintCalls(), once + once);
    EXPECT_EQ(once.first(), QStringLiteral("fill 5,376-112,471 c14")); // wipes before it writes
    EXPECT_EQ(window.surface.fontName, QStringLiteral("MS明朝"));
    EXPECT_EQ(window.surface.fontSize, 18);
}

} // namespace
