#include "shift_jis.h"

#include "record_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Conversion {
    const char* name;
    const char16_t* text;
    const char* bytes;
};

// Code-page bytes taken from the code page's table.
const Conversion kConversions[] = {
    {"FullWidthBlank", u"\u3000", "\x81\x40"},
    {"BlankLedDigit", u" 5", " 5"},
    {"FullWidthDigit", u"５", "\x82\x54"},
    {"Hiragana", u"あ", "\x82\xA0"},
    {"HalfWidthKatakana", u"ﾃﾞｰﾀ", "\xC3\xDE\xB0\xC0"},
    {"QuotedField", u"\"\u30001234\",",
     "\"\x81\x40"
     "1234\","},
    {"Empty", u"", ""},
};

void PrintTo(const Conversion& c, std::ostream* os) {
    *os << c.name;
}

class ShiftJis : public testing::TestWithParam<Conversion> {
protected:
    const Conversion& conversion() const { return GetParam(); }
};

TEST_P(ShiftJis, EncodesToTheCodePageBytes) {
    const std::optional<QByteArray> bytes = toShiftJis(QString::fromUtf16(conversion().text));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray(conversion().bytes));
}

TEST_P(ShiftJis, DecodesTheCodePageBytes) {
    const std::optional<QString> text = fromShiftJis(QByteArray(conversion().bytes));
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QString::fromUtf16(conversion().text));
}

INSTANTIATE_TEST_SUITE_P(Texts, ShiftJis, testing::ValuesIn(kConversions),
                         [](const testing::TestParamInfo<Conversion>& info) {
                             return std::string(info.param.name);
                         });

TEST(ShiftJisBytes, RefusesACharacterOutsideTheCodePage) {
    EXPECT_FALSE(toShiftJis(QStringLiteral("12\U0001F600")).has_value());
}

TEST(ShiftJisBytes, RefusesALookAlikeOfACharacterOutsideTheCodePage) {
    // Windows would write these as A and \ unless told not to guess.
    EXPECT_FALSE(toShiftJis(QStringLiteral("\u00C0")).has_value());
    EXPECT_FALSE(toShiftJis(QStringLiteral("\u00A5")).has_value());
}

TEST(ShiftJisBytes, RefusesTheSingleBytesThatShiftJisLeavesUnassigned) {
    // Windows' own table maps them to U+0080 and private-use characters.
    EXPECT_FALSE(fromShiftJis(QByteArray("1\x80")).has_value());
    EXPECT_FALSE(fromShiftJis(QByteArray("\xA0")).has_value());
    EXPECT_FALSE(fromShiftJis(QByteArray("\xFD")).has_value());
    EXPECT_FALSE(toShiftJis(QStringLiteral("\u0080")).has_value());
    EXPECT_FALSE(toShiftJis(QStringLiteral("\uF8F0")).has_value());
}

TEST(ShiftJisBytes, RefusesADoubleByteCharacterCutAfterItsFirstByte) {
    EXPECT_FALSE(fromShiftJis(QByteArray("12\x81")).has_value());
    EXPECT_FALSE(fromShiftJis(QByteArray("\x82")).has_value());
}

TEST(ShiftJisBytes, RefusesAFirstByteFollowedByNoSecondByte) {
    EXPECT_FALSE(fromShiftJis(QByteArray("\x81 1")).has_value());
}

TEST(ShiftJisBytes, TakesASecondByteOutsideTheLeadRangeAsPartOfTheCharacter) {
    // 0x81 0x81 is one character (＝); the trail byte lies in the lead range as well.
    const std::optional<QString> text = fromShiftJis(QByteArray("\x81\x81"));
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QStringLiteral("＝"));
}

} // namespace
