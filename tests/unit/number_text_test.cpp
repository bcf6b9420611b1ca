#include "game_profiles.h"
#include "number_text.h"
#include "program_state.h"

#include <gtest/gtest.h>

namespace {

struct TwoDigitCase {
    const char16_t* numText;
    const char16_t* before; // TwoDigitText before the call
    const char16_t* twoDigits;
    const char16_t* numTextAfter;
};

class Mojizpls : public testing::TestWithParam<TwoDigitCase> {};

TEST_P(Mojizpls, MakesTwoDigitTextThroughTheSlots) {
    const TwoDigitCase& c = GetParam();
    ProgramState state;
    state.NumText = QString::fromUtf16(c.numText);
    state.TwoDigitText = QString::fromUtf16(c.before);
    MOJIZPLS(state);
    EXPECT_EQ(state.TwoDigitText, QString::fromUtf16(c.twoDigits));
    EXPECT_EQ(state.NumText, QString::fromUtf16(c.numTextAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Mojizpls,
    testing::Values(TwoDigitCase{u" 7", u"", u"07", u"7"}, TwoDigitCase{u" 12", u"", u"12", u"12"},
                    TwoDigitCase{u"7", u"", u"07", u"7"}, TwoDigitCase{u" 0", u"", u"00", u"0"},
                    TwoDigitCase{u"-5", u"", u"-5", u"-5"}, TwoDigitCase{u"", u"33", u"33", u""},
                    TwoDigitCase{u" 123", u"33", u"33", u"123"},
                    TwoDigitCase{u"  7", u"", u" 7", u" 7"}));

TEST(Mojizcut, RemovesOneLeadingBlankOnly) {
    EXPECT_EQ(MOJIZCUT(QStringLiteral(" 12")), QStringLiteral("12"));
    EXPECT_EQ(MOJIZCUT(QStringLiteral("12")), QStringLiteral("12"));
    EXPECT_EQ(MOJIZCUT(QString()), QString());
    EXPECT_EQ(MOJIZCUT(QStringLiteral("  5")), QStringLiteral(" 5"));
}

struct WrapCase {
    const GameProfile* profile;
    int in;
    int out;
};

class WrapHelper : public testing::TestWithParam<WrapCase> {};

TEST_P(WrapHelper, FoldsIntoThePoolThroughTheSlots) {
    const WrapCase& c = GetParam();
    ProgramState state;
    state.WrapIn = c.in;
    c.profile->wrapHelper(state);
    EXPECT_EQ(state.WrapOut, c.out);
    EXPECT_EQ(state.WrapIn, c.out); // reduced in place
}

INSTANTIATE_TEST_SUITE_P(SevenNumberGame, WrapHelper,
                         testing::Values(WrapCase{&kRk7klvn, 37, 37}, WrapCase{&kRk7klvn, 38, 1},
                                         WrapCase{&kRk7klvn, 74, 37}, WrapCase{&kRk7klvn, 75, 1},
                                         WrapCase{&kRk7klvn, 0, 0}, WrapCase{&kRk7klvn, -3, -3},
                                         WrapCase{&kRk7klvn, 1, 1}));
INSTANTIATE_TEST_SUITE_P(OtherGames, WrapHelper,
                         testing::Values(WrapCase{&kRk6klvn, 44, 1}, WrapCase{&kRk6klvn, 86, 43},
                                         WrapCase{&kRk6klvn, 43, 43}, WrapCase{&kMiniklvn, 32, 1},
                                         WrapCase{&kMiniklvn, 62, 31},
                                         WrapCase{&kMiniklvn, 860, 23}));

TEST(NumberText, LeadsNonNegativeNumbersWithOneBlank) {
    EXPECT_EQ(numberText(7), QStringLiteral(" 7"));
    EXPECT_EQ(numberText(0), QStringLiteral(" 0"));
    EXPECT_EQ(numberText(1234), QStringLiteral(" 1234"));
    EXPECT_EQ(numberText(-5), QStringLiteral("-5"));
}

TEST(DrawNumberText, SixNumberGameKeepsTheLastSixCharacters) {
    EXPECT_EQ(drawNumberText(kRk6klvn, 123457), QStringLiteral("123457"));
    EXPECT_EQ(drawNumberText(kRk6klvn, 1233), QStringLiteral(" 1233"));
    EXPECT_EQ(drawNumberText(kRk7klvn, 123457), QStringLiteral(" 123457"));
    EXPECT_EQ(drawNumberText(kMiniklvn, -1), QStringLiteral("-1"));
}

TEST(NumericValue, ReadsTheLeadingNumberAfterBlanks) {
    EXPECT_EQ(numericValue(u" 5"), 5);
    EXPECT_EQ(numericValue(u"05"), 5);
    EXPECT_EQ(numericValue(u""), 0);
    EXPECT_EQ(numericValue(u"abc"), 0);
    EXPECT_EQ(numericValue(u"12ab"), 12);
    EXPECT_EQ(numericValue(u"\u3000 1235"), 1235);
    EXPECT_EQ(numericValue(u"-3"), -3);
    EXPECT_GE(numericValue(u"99999999999999999999999999999"), 1e15); // saturates, no overflow
}

TEST(LastChars, KeepsShorterTextsWhole) {
    EXPECT_EQ(lastChars(QStringLiteral("123"), 2), QStringLiteral("23"));
    EXPECT_EQ(lastChars(QStringLiteral("5"), 2), QStringLiteral("5"));
    EXPECT_EQ(lastChars(QString(), 2), QString());
}

} // namespace
