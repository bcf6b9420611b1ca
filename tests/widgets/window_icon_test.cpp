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
    const QIcon icon = loadWindowIcon(c.profile->iconName);
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

TEST(ProgramIcon, UnknownNameGivesNoIcon) {
    EXPECT_TRUE(loadWindowIcon("none").isNull());
}

} // namespace
