#include "game_profiles.h"
#include "record_commands.h"

#include "record_test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kQuestion = u"回送り|回送りします|info|okcancel"_s;

struct Rows {
    QStringList row1, row2, row3;
};

Rows rowsOf(const GameProfile& profile) {
    if (profile.RowSize == 5)
        return {boxRange(1, 5), boxRange(6, 10), boxRange(11, 15)};
    return {boxRange(1, 7), boxRange(8, 14), boxRange(15, 21)};
}

QStringList marked(const char16_t* mark, qsizetype count) {
    QStringList texts;
    for (qsizetype i = 1; i <= count; ++i)
        texts << QString::fromUtf16(mark) + QString::number(i);
    return texts;
}

// A window whose rows hold "a1".., "b1".. and "c1".., with a prediction on screen.
std::unique_ptr<FakeWindow> filledWindow(const GameProfile& profile, const QString& drawNumber) {
    auto window = std::make_unique<FakeWindow>(profile);
    const Rows rows = rowsOf(profile);
    window->form.fill(rows.row1, marked(u"a", rows.row1.size()));
    window->form.fill(rows.row2, marked(u"b", rows.row2.size()));
    window->form.fill(rows.row3, marked(u"c", rows.row3.size()));
    if (profile.RowSize == 5)
        window->form.fill(boxRange(16, 21), QStringList(6, u"hidden"_s));
    window->form.fill(
        {u"EDIT23"_s, u"EDIT24"_s, u"EDIT25"_s, u"EDIT26"_s, u"EDIT27"_s, u"EDIT28"_s},
        {u"7"_s, u"1,2"_s, u"3,4"_s, u"9"_s, u"x"_s, u"y"_s});
    window->form.texts[u"EDIT22"_s] = drawNumber;
    window->form.focused = u"EDIT9"_s;
    window->state.PredictionShown = 1;
    return window;
}

QStringList textsOf(const FakeWindow& window, const QStringList& boxes) {
    QStringList texts;
    for (const QString& box : boxes)
        texts << window.form.text(box);
    return texts;
}

struct AdvanceCase {
    const GameProfile* profile;
    const char16_t* drawNumber;
    const char16_t* after[3]; // EDIT22, EDIT27, EDIT28
};

void PrintTo(const AdvanceCase& c, std::ostream* os) {
    *os << c.profile->programName << " '" << QString::fromUtf16(c.drawNumber).toStdString() << "'";
}

class AdvanceHistory : public testing::TestWithParam<AdvanceCase> {
protected:
    void SetUp() override {
        window = filledWindow(*GetParam().profile, QString::fromUtf16(GetParam().drawNumber));
        BUTTON7_ON(window->mainForm);
    }
    std::unique_ptr<FakeWindow> window;
};

TEST_P(AdvanceHistory, MovesTheRowsBackByOneDraw) {
    const Rows rows = rowsOf(*GetParam().profile);
    EXPECT_EQ(window->dialogs.messages, QStringList{kQuestion});
    EXPECT_EQ(textsOf(*window, rows.row1), QStringList(rows.row1.size(), QString()));
    EXPECT_EQ(textsOf(*window, rows.row2), marked(u"a", rows.row2.size()));
    EXPECT_EQ(textsOf(*window, rows.row3), marked(u"b", rows.row3.size()));
}

TEST_P(AdvanceHistory, MovesTheDrawNumbersOnInTheGamesForm) {
    EXPECT_EQ(window->form.text(u"EDIT22"_s), QString::fromUtf16(GetParam().after[0]));
    EXPECT_EQ(window->form.text(u"EDIT27"_s), QString::fromUtf16(GetParam().after[1]));
    EXPECT_EQ(window->form.text(u"EDIT28"_s), QString::fromUtf16(GetParam().after[2]));
}

TEST_P(AdvanceHistory, ClearsThePredictionAndWaitsForTheNewDraw) {
    for (const QString& box : {u"EDIT23"_s, u"EDIT24"_s, u"EDIT25"_s, u"EDIT26"_s})
        EXPECT_EQ(window->form.text(box), QString()) << box.toStdString();
    EXPECT_EQ(window->surface.calls, baseScreenCalls(*GetParam().profile));
    EXPECT_EQ(window->state.PredictionShown, 0);
    EXPECT_EQ(window->form.focused, u"EDIT1"_s);
    if (GetParam().profile->RowSize == 5) {
        EXPECT_EQ(textsOf(*window, boxRange(16, 21)), QStringList(6, u"hidden"_s));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Games, AdvanceHistory,
    testing::Values(AdvanceCase{&kRk7klvn, u"1234", {u" 1235", u" 1234", u" 1233"}},
                    AdvanceCase{&kRk6klvn, u"1234", {u" 1235", u" 1234", u" 1233"}},
                    AdvanceCase{&kMiniklvn, u"1234", {u" 1235", u" 1234", u" 1233"}},
                    AdvanceCase{&kRk7klvn, u" 1234", {u" 1235", u" 1234", u" 1233"}},
                    AdvanceCase{&kRk7klvn, u"3", {u" 4", u" 3", u" 2"}},
                    AdvanceCase{&kRk6klvn, u"123456", {u"123457", u"123456", u"123455"}},
                    AdvanceCase{&kRk7klvn, u"123456", {u" 123457", u" 123456", u" 123455"}},
                    AdvanceCase{&kRk6klvn, u"999998", {u"999999", u"999998", u"999997"}},
                    AdvanceCase{&kRk7klvn, u"999998", {u" 999999", u" 999998", u" 999997"}},
                    AdvanceCase{&kMiniklvn, u"99999", {u" 100000", u" 99999", u" 99998"}}));

struct QuietCase {
    const GameProfile* profile;
    const char16_t* drawNumber;
};

void PrintTo(const QuietCase& c, std::ostream* os) {
    *os << c.profile->programName << " '" << QString::fromUtf16(c.drawNumber).toStdString() << "'";
}

class NoAdvance : public testing::TestWithParam<QuietCase> {};

TEST_P(NoAdvance, OutsideThreeTo999998NothingHappens) {
    auto window = filledWindow(*GetParam().profile, QString::fromUtf16(GetParam().drawNumber));
    BUTTON7_ON(window->mainForm);
    EXPECT_TRUE(window->dialogs.messages.isEmpty());
    EXPECT_TRUE(window->form.writes.isEmpty());
    EXPECT_TRUE(window->surface.calls.isEmpty());
    EXPECT_EQ(window->form.focused, u"EDIT9"_s);
    EXPECT_EQ(window->state.PredictionShown, 1);
}

INSTANTIATE_TEST_SUITE_P(DrawNumbers, NoAdvance,
                         testing::Values(QuietCase{&kRk7klvn, u"2"}, QuietCase{&kRk7klvn, u"0"},
                                         QuietCase{&kRk6klvn, u""}, QuietCase{&kMiniklvn, u"abc"},
                                         QuietCase{&kRk7klvn, u"999999"},
                                         QuietCase{&kRk6klvn, u"1000000"},
                                         QuietCase{&kMiniklvn, u"-5"}));

TEST(AdvanceQuestion, CancelOnlyFocusesTheFirstBox) {
    auto window = filledWindow(kRk6klvn, u"1234"_s);
    window->dialogs.answers.push_back(Answer::Cancel);
    BUTTON7_ON(window->mainForm);
    EXPECT_EQ(window->dialogs.messages, QStringList{kQuestion});
    EXPECT_TRUE(window->form.writes.isEmpty());
    EXPECT_TRUE(window->surface.calls.isEmpty());
    EXPECT_EQ(window->form.focused, u"EDIT1"_s);
    EXPECT_EQ(window->state.PredictionShown, 1);
}

TEST(AdvanceTwice, EmptyFirstRowsMoveDownInTurn) {
    auto window = filledWindow(kRk7klvn, u"1234"_s);
    BUTTON7_ON(window->mainForm);
    BUTTON7_ON(window->mainForm);
    EXPECT_EQ(textsOf(*window, boxRange(1, 14)), QStringList(14, QString()));
    EXPECT_EQ(textsOf(*window, boxRange(15, 21)), marked(u"a", 7));
    EXPECT_EQ(window->form.text(u"EDIT22"_s), u" 1236"_s);
    BUTTON7_ON(window->mainForm);
    EXPECT_EQ(textsOf(*window, boxRange(1, 21)), QStringList(21, QString()));
    EXPECT_EQ(window->form.text(u"EDIT22"_s), u" 1237"_s);
    EXPECT_EQ(window->form.text(u"EDIT28"_s), u" 1235"_s);
}

} // namespace
