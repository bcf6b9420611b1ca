#include "base_screen.h"
#include "commands.h"
#include "commands_test_support.h"
#include "fake_platform.h"
#include "game_profiles.h"
#include "prediction_frame.h"
#include "pressure_area.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

const QString kWipe = QStringLiteral("fill 0,0-648,466 c14");

std::vector<int> range(int first, int last) {
    std::vector<int> boxes;
    for (int box = first; box <= last; ++box)
        boxes.push_back(box);
    return boxes;
}

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<int> kOutputBoxes{23, 24, 25, 26};

// The base screen as the start-up draws it, recorded on a window of its own.
QStringList baseScreen(const GameProfile& profile) {
    FakeWindow reference(profile);
    TAITORUKIHON(reference.mainForm);
    return reference.surface.calls;
}

// The empty pyramids and list labels, recorded on a window of their own.
QStringList emptyAreas(const GameProfile& profile) {
    FakeWindow reference(profile);
    KIATUKATA(reference.mainForm);
    YOSOUWAKU(reference.mainForm);
    return reference.surface.calls;
}

// ---------------------------------------------------------------------------------------------
// "CL" of one row

struct RowCase {
    const char* name;
    const GameProfile* profile;
    Handler button;
    const char16_t* question;
    std::vector<int> emptied;
    const char16_t* focus;
};

void PrintTo(const RowCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearRow : public testing::TestWithParam<RowCase> {
protected:
    void SetUp() override {
        fillEveryBox(window.form);
        window.state.PredictionShown = 1;
    }
    FakeWindow window{*GetParam().profile};
};

TEST_P(ClearRow, OkEmptiesTheRowAndTheOutputAndDrawsTheBaseScreen) {
    const RowCase& c = GetParam();
    window.dialogs.answers = {Answer::Ok};
    c.button(window.mainForm);

    EXPECT_EQ(
        window.dialogs.messages,
        QStringList{QStringLiteral("クリア|%1|info|okcancel").arg(QString::fromUtf16(c.question))});
    EXPECT_EQ(changedBoxes(window.form), c.emptied);
    EXPECT_EQ(emptyBoxes(window.form), c.emptied);
    EXPECT_EQ(window.form.focused, QString::fromUtf16(c.focus));
    EXPECT_EQ(window.state.PredictionShown, 0);

    const QStringList& calls = window.surface.calls;
    ASSERT_GE(calls.size(), 4);
    EXPECT_EQ(calls.mid(0, 4), (QStringList{kWipe, QStringLiteral("font MS明朝"),
                                            QStringLiteral("size 18"), kWipe}));
    EXPECT_EQ(calls.mid(1), baseScreen(*c.profile));
}

TEST_P(ClearRow, CancelChangesNothingButStillMovesTheFocus) {
    const RowCase& c = GetParam();
    window.dialogs.answers = {Answer::Cancel};
    c.button(window.mainForm);

    EXPECT_EQ(window.dialogs.messages.size(), 1);
    EXPECT_EQ(changedBoxes(window.form), std::vector<int>{});
    EXPECT_TRUE(window.form.writes.isEmpty());
    EXPECT_TRUE(window.surface.calls.isEmpty());
    EXPECT_EQ(window.form.focused, QString::fromUtf16(c.focus));
    EXPECT_EQ(window.state.PredictionShown, 1);
}

// The draw number of the row (EDIT22, EDIT27, EDIT28) stays; the bonus box of the 6-number game
// goes with its row; the mini game's hidden EDIT16..EDIT21 are never touched.
INSTANTIATE_TEST_SUITE_P(
    Rows, ClearRow,
    testing::Values(RowCase{"Rk7Row1", &kRk7klvn, &BUTTON1_ON, u"１回前数字欄をクリアします",
                            range(1, 7) + kOutputBoxes, u"EDIT1"},
                    RowCase{"Rk7Row2", &kRk7klvn, &BUTTON2_ON, u"２回前数字欄をクリアします",
                            range(8, 14) + kOutputBoxes, u"EDIT8"},
                    RowCase{"Rk7Row3", &kRk7klvn, &BUTTON3_ON, u"３回前数字欄をクリアします",
                            range(15, 21) + kOutputBoxes, u"EDIT15"},
                    RowCase{"Rk6Row1WithBonus", &kRk6klvn, &BUTTON1_ON,
                            u"１回前数字欄をクリアします", range(1, 7) + kOutputBoxes, u"EDIT1"},
                    RowCase{"Rk6Row3WithBonus", &kRk6klvn, &BUTTON3_ON,
                            u"３回前数字欄をクリアします", range(15, 21) + kOutputBoxes, u"EDIT15"},
                    RowCase{"MiniRow1", &kMiniklvn, &BUTTON1_ON, u"１回前数字欄をクリアします",
                            range(1, 5) + kOutputBoxes, u"EDIT1"},
                    RowCase{"MiniRow2", &kMiniklvn, &BUTTON2_ON, u"２回前数字欄をクリアします",
                            range(6, 10) + kOutputBoxes, u"EDIT6"},
                    RowCase{"MiniRow3", &kMiniklvn, &BUTTON3_ON, u"３回前数字欄をクリアします",
                            range(11, 15) + kOutputBoxes, u"EDIT11"}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// "全クリア"

// Title bar, title, labels and marks, then the two white plates again, as the base screen draws
// them after its own wipe.
QStringList labelsAfterAreas(const QString& titleBar, const QString& title, int bracketEnd,
                             const QStringList& gameMarks, int keyLabelX) {
    const QString end = QString::number(bracketEnd);
    return QStringList{titleBar,
                       QStringLiteral("bold on"),
                       QStringLiteral("text 194,8 c3 '%1' bold").arg(title),
                       QStringLiteral("bold off"),
                       QStringLiteral("size 14"),
                       QStringLiteral("line 192,145-%1,145 c0").arg(end),
                       QStringLiteral("line 192,140-192,145 c0"),
                       QStringLiteral("line %1,140-%1,145 c0").arg(end),
                       QStringLiteral("line 285,145-285,150 c0"),
                       QStringLiteral("text 266,155 c0 '本数字'")} +
           gameMarks +
           QStringList{QStringLiteral("size 16"),
                       QStringLiteral("text %1,203 c8 'Key数字'").arg(keyLabelX),
                       QStringLiteral("size 14"),
                       QStringLiteral("text 247,233 c8 '表'"),
                       QStringLiteral("text 247,287 c8 '裏'"),
                       QStringLiteral("text 28,18 c0 '抽選回'"),
                       QStringLiteral("text 98,44 c0 '１回前抽選'"),
                       QStringLiteral("fill 18,72-78,99 c15"),
                       QStringLiteral("text 98,80 c0 '２回前抽選'"),
                       QStringLiteral("fill 18,108-78,135 c15"),
                       QStringLiteral("text 98,116 c0 '３回前抽選'"),
                       QStringLiteral("fill 18,72-78,99 c15"),
                       QStringLiteral("fill 18,108-78,135 c15"),
                       QStringLiteral("size 18")};
}

struct AllClearCase {
    const char* name;
    const GameProfile* profile;
    std::vector<int> emptied;
    QStringList labels;
};

void PrintTo(const AllClearCase& c, std::ostream* os) {
    *os << c.name;
}

class ClearEverything : public testing::TestWithParam<AllClearCase> {
protected:
    void SetUp() override {
        fillEveryBox(window.form);
        window.form.focused = QStringLiteral("EDIT3");
        window.state.PredictionShown = 1;
    }
    FakeWindow window{*GetParam().profile};
};

TEST_P(ClearEverything, OkEmptiesEveryUsedBoxAndRedrawsTheEmptyScreen) {
    const AllClearCase& c = GetParam();
    window.dialogs.answers = {Answer::Ok};
    BUTTON4_ON(window.mainForm);

    EXPECT_EQ(window.dialogs.messages,
              QStringList{QStringLiteral("全クリア|オールクリアします|info|okcancel")});
    EXPECT_EQ(changedBoxes(window.form), c.emptied);
    EXPECT_EQ(emptyBoxes(window.form), c.emptied);
    EXPECT_EQ(window.state.PredictionShown, 0);
    EXPECT_EQ(window.form.focused, QStringLiteral("EDIT3"));

    // Wipe, the empty pyramids and list labels, then the title and all labels of the base screen.
    const QStringList& calls = window.surface.calls;
    const QStringList areas = emptyAreas(*c.profile);
    ASSERT_EQ(calls.size(), 3 + areas.size() + c.labels.size());
    EXPECT_EQ(calls.mid(0, 3),
              (QStringList{kWipe, QStringLiteral("font MS明朝"), QStringLiteral("size 18")}));
    EXPECT_EQ(calls.mid(3, areas.size()), areas);
    EXPECT_TRUE(areas.contains(QStringLiteral("text 107,160 c5 '高気圧型'")));
    EXPECT_TRUE(areas.contains(QStringLiteral("text 6,401 c3 '低気圧型予想数字'")));
    EXPECT_EQ(calls.mid(3 + areas.size()), c.labels);
    EXPECT_EQ(window.surface.fontName, QStringLiteral("MS明朝"));
    EXPECT_EQ(window.surface.fontSize, 18);
}

TEST_P(ClearEverything, CancelOnlyLocksTheResultsView) {
    window.dialogs.answers = {Answer::Cancel};
    BUTTON4_ON(window.mainForm);

    EXPECT_EQ(window.dialogs.messages.size(), 1);
    EXPECT_EQ(changedBoxes(window.form), std::vector<int>{});
    EXPECT_TRUE(window.surface.calls.isEmpty());
    EXPECT_EQ(window.state.PredictionShown, 0);
    EXPECT_EQ(window.form.focused, QStringLiteral("EDIT3"));
}

INSTANTIATE_TEST_SUITE_P(
    Games, ClearEverything,
    testing::Values(AllClearCase{"Rk7", &kRk7klvn, range(1, 28),
                                 labelsAfterAreas(QStringLiteral("fill 176,5-497,30 c13"),
                                                  QStringLiteral("RIKO7  Kelvane"), 480, {}, 255)},
                    AllClearCase{"Rk6RedrawsTheBonusMark", &kRk6klvn, range(1, 28),
                                 labelsAfterAreas(QStringLiteral("fill 176,5-503,30 c11"),
                                                  QStringLiteral("RIKO6  Kelvane"), 432,
                                                  {QStringLiteral("line 488,140-488,149 c0"),
                                                   QStringLiteral("text 471,155 c0 'Ｂ数字'")},
                                                  250)},
                    AllClearCase{"MiniLeavesTheHiddenBoxes", &kMiniklvn,
                                 range(1, 15) + range(22, 28),
                                 labelsAfterAreas(QStringLiteral("fill 176,5-527,30 c13"),
                                                  QStringLiteral("Mini RIKO  Kelvane"), 384,
                                                  {QStringLiteral("line 410,49-455,49 c0"),
                                                   QStringLiteral("line 410,85-455,85 c0"),
                                                   QStringLiteral("line 410,121-455,121 c0")},
                                                  250)}),
    [](const testing::TestParamInfo<AllClearCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------------------------
// "終了"

struct ExitCase {
    const char* name;
    const GameProfile* profile;
    const char16_t* caption;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class ExitQuestion : public testing::TestWithParam<ExitCase> {
protected:
    void SetUp() override { fillEveryBox(window.form); }
    FakeWindow window{*GetParam().profile};
};

TEST_P(ExitQuestion, OkEndsTheProgramNormally) {
    window.dialogs.answers = {Answer::Ok};
    BUTTON10_ON(window.mainForm);

    EXPECT_EQ(window.dialogs.messages,
              QStringList{QStringLiteral("%1|終了しますか？|info|okcancel")
                              .arg(QString::fromUtf16(GetParam().caption))});
    EXPECT_EQ(window.shell.endedWith, 0);
    EXPECT_TRUE(window.surface.calls.isEmpty());
}

TEST_P(ExitQuestion, CancelKeepsRunningWithEverythingInPlace) {
    window.state.PredictionShown = 1;
    window.dialogs.answers = {Answer::Cancel};
    BUTTON10_ON(window.mainForm);

    EXPECT_EQ(window.dialogs.messages.size(), 1);
    EXPECT_FALSE(window.shell.endedWith.has_value());
    EXPECT_EQ(changedBoxes(window.form), std::vector<int>{});
    EXPECT_TRUE(window.surface.calls.isEmpty());
    EXPECT_TRUE(window.form.focused.isEmpty());
    EXPECT_EQ(window.state.PredictionShown, 1);
}

INSTANTIATE_TEST_SUITE_P(Games, ExitQuestion,
                         testing::Values(ExitCase{"Rk7", &kRk7klvn, u"RIKO7 Kelvane"},
                                         ExitCase{"Rk6", &kRk6klvn, u"RIKO6 Kelvane"},
                                         ExitCase{"Mini", &kMiniklvn, u"Mini RIKO Kelvane"}),
                         [](const testing::TestParamInfo<ExitCase>& info) {
                             return info.param.name;
                         });

} // namespace
