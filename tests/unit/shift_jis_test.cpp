#include "shift_jis.h"

#include "record_test_support.h"

#include <gtest/gtest.h>

void PrintTo(ShiftJisConverter via, std::ostream* os) {
    *os << (via == ShiftJisConverter::StringConverter ? "string converters" : "Core5Compat codec");
}

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

class ShiftJis : public testing::TestWithParam<std::tuple<ShiftJisConverter, Conversion>> {
protected:
    ShiftJisConverter via() const { return std::get<0>(GetParam()); }
    const Conversion& conversion() const { return std::get<1>(GetParam()); }
};

TEST_P(ShiftJis, EncodesToTheCodePageBytes) {
    const std::optional<QByteArray> bytes =
        toShiftJis(QString::fromUtf16(conversion().text), via());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QByteArray(conversion().bytes));
}

TEST_P(ShiftJis, DecodesTheCodePageBytes) {
    const std::optional<QString> text = fromShiftJis(QByteArray(conversion().bytes), via());
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QString::fromUtf16(conversion().text));
}

INSTANTIATE_TEST_SUITE_P(BothConverters, ShiftJis,
                         testing::Combine(testing::Values(ShiftJisConverter::StringConverter,
                                                          ShiftJisConverter::TextCodec),
                                          testing::ValuesIn(kConversions)),
                         [](const testing::TestParamInfo<ShiftJis::ParamType>& info) {
                             const bool strings =
                                 std::get<0>(info.param) == ShiftJisConverter::StringConverter;
                             return std::string(strings ? "Strings_" : "Codec_") +
                                    std::get<1>(info.param).name;
                         });

class ShiftJisBytes : public testing::TestWithParam<ShiftJisConverter> {};

TEST_P(ShiftJisBytes, RefusesACharacterOutsideTheCodePage) {
    EXPECT_FALSE(toShiftJis(QStringLiteral("12\U0001F600"), GetParam()).has_value());
}

TEST_P(ShiftJisBytes, RefusesADoubleByteCharacterCutAfterItsFirstByte) {
    EXPECT_FALSE(fromShiftJis(QByteArray("12\x81"), GetParam()).has_value());
    EXPECT_FALSE(fromShiftJis(QByteArray("\x82"), GetParam()).has_value());
}

TEST_P(ShiftJisBytes, RefusesAFirstByteFollowedByNoSecondByte) {
    EXPECT_FALSE(fromShiftJis(QByteArray("\x81 1"), GetParam()).has_value());
}

TEST_P(ShiftJisBytes, TakesASecondByteOutsideTheLeadRangeAsPartOfTheCharacter) {
    // 0x81 0x81 is one character (＝); the trail byte lies in the lead range as well.
    const std::optional<QString> text = fromShiftJis(QByteArray("\x81\x81"), GetParam());
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, QStringLiteral("＝"));
}

INSTANTIATE_TEST_SUITE_P(BothConverters, ShiftJisBytes,
                         testing::Values(ShiftJisConverter::StringConverter,
                                         ShiftJisConverter::TextCodec),
                         [](const testing::TestParamInfo<ShiftJisConverter>& info) {
                             return info.param == ShiftJisConverter::StringConverter
                                        ? std::string("Strings")
                                        : std::string("Codec");
                         });

} // namespace
