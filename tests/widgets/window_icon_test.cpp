#include "game_profiles.h"
#include "profile_text.h"
#include "window_icon.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>
#include <ostream>

namespace {

struct IconCase {
    const GameProfile* profile;
    QColor background; // pixel (1,1), inside the black border
    QColor topSquare;  // pixel (14,4), the top square of the little pyramid
    QColor leftOfRow2; // pixel (11,9), the left square of its second row
};

void PrintTo(const IconCase& c, std::ostream* os) {
    *os << c.profile->programName;
}

class ProgramIcon : public testing::TestWithParam<IconCase> {};

TEST_P(ProgramIcon, IsTheProgramsPicture) {
    const IconCase& c = GetParam();
    const QIcon icon = loadWindowIcon(toQString(c.profile->iconResource));
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(32, 32).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(31, 31), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 1), c.background);
    EXPECT_EQ(image.pixelColor(14, 4), c.topSquare);
    EXPECT_EQ(image.pixelColor(11, 9), c.leftOfRow2);
}

INSTANTIATE_TEST_SUITE_P(
    Games, ProgramIcon,
    testing::Values(IconCase{&kRk7klvn, QColor(255, 255, 0), QColor(0, 0, 255), QColor(255, 0, 0)},
                    IconCase{&kRk6klvn, QColor(0, 255, 255), QColor(0, 0, 255), QColor(255, 0, 0)},
                    IconCase{&kMiniklvn, QColor(192, 192, 192), QColor(0, 128, 0),
                             QColor(255, 0, 255)}),
    [](const testing::TestParamInfo<IconCase>& info) {
        return std::string(info.param.profile->programName);
    });

TEST(ProgramIcon, MissingResourceGivesNoIcon) {
    EXPECT_TRUE(loadWindowIcon(QStringLiteral(":/icons/none.xpm")).isNull());
}

TEST(XpmText, TwoByTwoImage) {
    const QImage image = imageFromXpmText("/* XPM */\n"
                                          "static const char *two[] = {\n"
                                          "\"2 2 2 1\",\n"
                                          "\"a c #FF0000\",\n"
                                          "\"b c #0000FF\",\n"
                                          "\"ab\",\n"
                                          "\"ba\"};\n");
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 0), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(0, 1), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
}

struct BrokenXpm {
    const char* name;
    const char* text;
};

void PrintTo(const BrokenXpm& b, std::ostream* os) {
    *os << b.name;
}

class BrokenXpmText : public testing::TestWithParam<BrokenXpm> {};

// Qt reads as many strings as the header announces, so a text that holds fewer is refused first.
TEST_P(BrokenXpmText, GivesNoImage) {
    EXPECT_TRUE(imageFromXpmText(GetParam().text).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BrokenXpmText,
    testing::Values(BrokenXpm{"Empty", ""}, BrokenXpm{"NoHeader", "\"a c #FF0000\",\"aa\""},
                    BrokenXpm{"RowMissing", "\"2 2 1 1\",\"a c #FF0000\",\"aa\""},
                    BrokenXpm{"ColourMissing", "\"1 1 2 1\",\"a c #FF0000\",\"a\""},
                    BrokenXpm{"RowTooShort", "\"2 2 1 1\",\"a c #FF0000\",\"aa\",\"a\""},
                    BrokenXpm{"ZeroWidth", "\"0 1 1 1\",\"a c #FF0000\",\"\""},
                    BrokenXpm{"UnclosedQuote", "\"1 1 1 1\",\"a c #FF0000\",\"a"}),
    [](const testing::TestParamInfo<BrokenXpm>& info) { return std::string(info.param.name); });

} // namespace
