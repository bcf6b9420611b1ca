#include "game_profiles.h"
#include "picture_text.h"
#include "prediction.h"
#include "prediction_fixture.h"
#include "results_view.h"

#include <gtest/gtest.h>

namespace {

QStringList pictureLines(FakeWindow& window) {
    return pictureText(window.mainForm, window.surface.shown.texts()).text.split(u'\n');
}

QStringList matching(const QStringList& lines, const QString& start) {
    QStringList found;
    for (const QString& line : lines) {
        if (line.startsWith(start))
            found << line;
    }
    return found;
}

class PictureTextTest : public testing::Test {
protected:
    void predict() {
        enterDraws(window, kOneToTwentyOne, QStringLiteral("1234"));
        BUTTON5_ON(window.mainForm);
    }

    FakeWindow window{kRk7klvn};
};

TEST_F(PictureTextTest, NamesTheHeaderAndReadsBothPyramidsRowByRow) {
    predict();
    EXPECT_EQ(pictureText(window.mainForm, window.surface.shown.texts()).name,
              "図 RIKO7  Kelvane 1235 回予想");
    const QStringList lines = pictureLines(window);
    EXPECT_EQ(lines.mid(0, 3),
              QStringList({"RIKO7  Kelvane", "1235 回予想", "１回前抽選 第1234回: 1 2 3 4 5 6 7"}));
    EXPECT_EQ(
        matching(lines, "高気圧型 "),
        QStringList({"高気圧型 1 段目: 15", "高気圧型 2 段目: 01 16", "高気圧型 3 段目: 14 02 17",
                     "高気圧型 4 段目: 13 07 03 18", "高気圧型 5 段目: 12 06 05 04 19",
                     "高気圧型 6 段目: 11 10 09 08 21 20"}));
    EXPECT_EQ(matching(lines, "低気圧型 6 段目"),
              QStringList({"低気圧型 6 段目: 11 10 09 08 07 06"}));
    EXPECT_EQ(matching(lines, "低気圧型予想数字"),
              QStringList({"低気圧型予想数字: " + window.form.texts["EDIT25"].trimmed()}));
    EXPECT_TRUE(matching(lines, "計算結果").isEmpty());
}

TEST_F(PictureTextTest, ReadsTheLineSumsOfTheResultsView) {
    predict();
    BUTTON6_ON(window.mainForm);
    const QStringList sums = matching(pictureLines(window), "計算結果");
    ASSERT_EQ(sums.size(), 3);
    // Row family first, then the right-edge family, whose first line of the right pyramid is 21.
    EXPECT_EQ(sums[0].split(u' ').size(), 2 + 15);
    EXPECT_TRUE(sums[0].startsWith("計算結果 高気圧型: "));
    EXPECT_EQ(sums[1].split(u' ')[2 + 5], "21");
    EXPECT_EQ(sums[2], "計算結果 表: 35 - 22  裏: 22 - 35");
}

TEST_F(PictureTextTest, AFailedPredictionLeavesNoHeaderNumbersOrSums) {
    predict();
    BUTTON6_ON(window.mainForm);
    window.form.texts["EDIT3"] = "99";
    BUTTON5_ON(window.mainForm);
    const PictureText picture = pictureText(window.mainForm, window.surface.shown.texts());
    EXPECT_EQ(picture.name, "図 RIKO7  Kelvane");
    EXPECT_FALSE(picture.text.contains("回予想"));
    EXPECT_FALSE(picture.text.contains("段目"));
    EXPECT_FALSE(picture.text.contains("計算結果"));
}

} // namespace
