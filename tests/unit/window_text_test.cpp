#include "fake_platform.h"
#include "field_map.h"
#include "game_profiles.h"
#include "window_text.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowText, ListsTheDrawsKeysAndCandidateLists) {
    FakeWindow window(kRk7klvn);
    window.form.fill(allNumberBoxes(kRk7klvn),
                     {" 3", "11", "17", "22", "28", "31", "36", " 1", " 5", " 9", "14",
                      "20", "26", "33", " 2", " 7", "12", "19", "24", "30", "35"});
    window.form.fill({"EDIT22", "EDIT27", "EDIT28", "EDIT23", "EDIT26", "EDIT24", "EDIT25"},
                     {"1234", " 1233", " 1232", "09", "28", " 05, 10", " 01, 02"});
    EXPECT_EQ(windowText(window.mainForm), "RIKO7  Kelvane\n"
                                           "１回前抽選 第1234回: 3 11 17 22 28 31 36\n"
                                           "２回前抽選 第1233回: 1 5 9 14 20 26 33\n"
                                           "３回前抽選 第1232回: 2 7 12 19 24 30 35\n"
                                           "Key数字 表: 09  裏: 28\n"
                                           "高気圧型予想数字: 05, 10\n"
                                           "低気圧型予想数字: 01, 02\n");
}

TEST(WindowText, SixNumberGameSetsTheBonusApart) {
    FakeWindow window(kRk6klvn);
    window.form.fill(numberBoxesOfRow(kRk6klvn, 1), {"1", "2", "3", "4", "5", "6", "7"});
    EXPECT_TRUE(windowText(window.mainForm).contains("１回前抽選: 1 2 3 4 5 6 + 7\n"));
}

TEST(WindowText, MiniGameReadsFiveBoxesARow) {
    FakeWindow window(kMiniklvn);
    window.form.fill(numberBoxesOfRow(kMiniklvn, 3), {"1", "2", "3", "4", "5"});
    window.form.texts["EDIT16"] = "99"; // a hidden box is never read
    const QString text = windowText(window.mainForm);
    EXPECT_TRUE(text.contains("３回前抽選: 1 2 3 4 5\n"));
    EXPECT_FALSE(text.contains("99"));
}

} // namespace
