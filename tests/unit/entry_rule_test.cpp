#include "entry_rule.h"

#include <gtest/gtest.h>

namespace {

struct InsertionCase {
    const char* name;
    const char16_t* current;
    int selected;
    const char16_t* inserted;
    int limit;
    std::optional<const char16_t*> expected;
};

class EntryRule : public testing::TestWithParam<InsertionCase> {};

TEST_P(EntryRule, HoldsTypingToDigitsAndTheLimit) {
    const InsertionCase& c = GetParam();
    const std::optional<QString> accepted = acceptedInsertion(
        QString::fromUtf16(c.current), c.selected, QString::fromUtf16(c.inserted), c.limit);
    if (c.expected)
        EXPECT_EQ(accepted, QString::fromUtf16(*c.expected));
    else
        EXPECT_EQ(accepted, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EntryRule,
    testing::Values(
        InsertionCase{"FirstDigit", u"", 0, u"7", 2, u"7"},
        InsertionCase{"SecondDigit", u"1", 0, u"2", 2, u"2"},
        InsertionCase{"ThirdDigitRefused", u"12", 0, u"3", 2, std::nullopt},
        InsertionCase{"SeventhDrawNumberDigitRefused", u"123456", 0, u"7", 6, std::nullopt},
        InsertionCase{"SixtyFirstListCharacterRefused",
                      u"123456789012345678901234567890123456789012345678901234567890", 0, u"1", 60,
                      std::nullopt},
        InsertionCase{"LetterRefused", u"", 0, u"a", 2, std::nullopt},
        InsertionCase{"SignRefused", u"1", 0, u"-", 2, std::nullopt},
        InsertionCase{"BlankRefused", u"", 0, u" ", 2, std::nullopt},
        InsertionCase{"FullWidthDigitsBecomeAscii", u"", 0, u"１２", 2, u"12"},
        InsertionCase{"FullWidthLetterRefused", u"", 0, u"Ａ", 2, std::nullopt},
        InsertionCase{"SelectionMakesRoom", u"12", 2, u"34", 2, u"34"},
        InsertionCase{"ProgramSetBlankCountsTowardsTheLimit", u" 5", 0, u"3", 2, std::nullopt},
        InsertionCase{"ProgramSetTextCanBeRetyped", u" 5", 1, u"3", 2, u"3"},
        InsertionCase{"OverlongProgramTextTakesNoMore", u" 123457", 0, u"1", 6, std::nullopt},
        InsertionCase{"PasteCutToTheRoomLeft", u"1", 0, u"234567", 6, u"23456"},
        InsertionCase{"PasteWithALetterRefusedWhole", u"", 0, u"12a", 6, std::nullopt},
        InsertionCase{"PasteWithALineEndRefused", u"", 0, u"12\n", 6, std::nullopt}),
    [](const testing::TestParamInfo<InsertionCase>& info) { return std::string(info.param.name); });

} // namespace
