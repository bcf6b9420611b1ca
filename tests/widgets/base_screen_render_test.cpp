#include "game_profiles.h"
#include "window_fixture.h"

#include <QImage>

namespace {

const QColor kGrey(192, 192, 192);
const QColor kWhite(255, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

// Every pixel of the box has the colour.
bool filled(const QImage& image, QRect box, const QColor& colour) {
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y) != colour)
                return false;
    return true;
}

// The left column of every cell square of both pyramids, by drawn row, from the layout table.
const std::vector<std::vector<int>> kCellLefts = {{125},
                                                  {110, 140},
                                                  {95, 125, 155},
                                                  {80, 110, 140, 168},
                                                  {65, 95, 125, 155, 185},
                                                  {50, 80, 110, 140, 168, 196}};

// White squares counted along the middle line of each drawn row of one pyramid.
int whiteSquares(const QImage& image, int shift) {
    int squares = 0;
    for (int row = 0; row < 6; ++row) {
        const int y = 185 + 30 * row + 13;
        bool inside = false;
        for (int x = 40 + shift; x < 235 + shift; ++x) {
            const bool white = image.pixelColor(x, y) == kWhite;
            if (white && !inside)
                ++squares;
            inside = white;
        }
    }
    return squares;
}

class BaseScreenPicture : public testing::Test {
protected:
    QImage render(const GameProfile& profile) {
        window = startedWindow(profile);
        return window->grab().toImage();
    }
    std::unique_ptr<MainWindow> window;
};

TEST_F(BaseScreenPicture, TitleBarHasTheGamesColourAndExtent) {
    struct Case {
        const GameProfile* profile;
        QColor colour;
        int right;
    };
    for (const Case& c : {Case{&kRk7klvn, kYellow, 497}, Case{&kRk6klvn, kCyan, 503},
                          Case{&kMiniklvn, kYellow, 527}}) {
        const QImage picture = render(*c.profile);
        EXPECT_EQ(at(picture, 176, 5), c.colour);
        EXPECT_EQ(at(picture, c.right, 30), c.colour);
        EXPECT_TRUE(filled(picture, QRect(QPoint(176, 5), QPoint(190, 30)), c.colour));
        EXPECT_EQ(at(picture, 175, 5), kGrey) << "left of the bar";
        EXPECT_EQ(at(picture, c.right + 1, 30), kGrey) << "right of the bar";
        EXPECT_EQ(at(picture, 176, 4), kGrey) << "above the bar";
        EXPECT_EQ(at(picture, 176, 31), kGrey) << "below the bar";
    }
}

TEST_F(BaseScreenPicture, PyramidsHaveWhiteCellsOnGrey) {
    const QImage seven = render(kRk7klvn);
    EXPECT_EQ(whiteSquares(seven, 0), 21);
    EXPECT_EQ(whiteSquares(seven, 260), 21);
    for (std::size_t row = 0; row < kCellLefts.size(); ++row) {
        const int top = 185 + 30 * static_cast<int>(row);
        for (int left : kCellLefts[row]) {
            EXPECT_EQ(at(seven, left, top), kWhite) << left << "," << top;
            EXPECT_EQ(at(seven, left + 260, top + 26), kWhite) << left + 260 << "," << top + 26;
            EXPECT_EQ(at(seven, left - 1, top), kGrey) << left - 1 << "," << top;
        }
    }
    // The narrow cells are 25 pixels wide.
    EXPECT_TRUE(filled(seven, QRect(QPoint(140, 215), QPoint(164, 241)), kWhite));
    EXPECT_EQ(at(seven, 165, 215), kGrey);

    const QImage mini = render(kMiniklvn);
    EXPECT_EQ(whiteSquares(mini, 0), 15);
    EXPECT_EQ(whiteSquares(mini, 260), 15);
    EXPECT_TRUE(filled(mini, QRect(QPoint(40, 335), QPoint(490, 361)), kGrey))
        << "the mini game has no sixth row";
    EXPECT_TRUE(filled(mini, QRect(QPoint(445, 305), QPoint(471, 331)), kWhite));
}

TEST_F(BaseScreenPicture, PlatesTitlesAndBackground) {
    const QImage picture = render(kRk6klvn);
    for (QRect plate :
         {QRect(QPoint(96, 157), QPoint(188, 180)), QRect(QPoint(352, 157), QPoint(444, 180))}) {
        EXPECT_EQ(at(picture, plate.left(), plate.top()), kWhite);
        EXPECT_EQ(at(picture, plate.right(), plate.bottom()), kWhite);
        EXPECT_EQ(at(picture, plate.left() - 1, plate.top()), kGrey);
    }
    bool red = false, blue = false;
    for (int y = 160; y < 180; ++y)
        for (int x = 107; x < 185; ++x) {
            red = red || at(picture, x, y) == QColor(255, 0, 0);
            blue = blue || at(picture, x + 257, y) == QColor(0, 0, 255);
        }
    EXPECT_TRUE(red) << "high-pressure title in red";
    EXPECT_TRUE(blue) << "low-pressure title in blue";

    EXPECT_EQ(at(picture, 5, 5), kGrey);
    EXPECT_EQ(at(picture, 640, 460), kGrey);
    EXPECT_EQ(at(picture, picture.width() - 1, picture.height() - 1), kGrey);
    // The bracket under the number columns and the bonus tick.
    EXPECT_TRUE(filled(picture, QRect(QPoint(192, 145), QPoint(432, 145)), QColor(0, 0, 0)));
    EXPECT_TRUE(filled(picture, QRect(QPoint(488, 140), QPoint(488, 149)), QColor(0, 0, 0)));
    EXPECT_EQ(at(picture, 488, 150), kGrey);
}

TEST_F(BaseScreenPicture, WindowShowsTheKeptPicture) {
    const QImage shown = render(kRk7klvn);
    const QImage& kept = window->surface().image();
    for (QPoint p : {QPoint(176, 5), QPoint(125, 185), QPoint(30, 300), QPoint(300, 160)})
        EXPECT_EQ(shown.pixelColor(p), kept.pixelColor(p)) << p.x() << "," << p.y();
    // Covered and shown again, the window repaints the same picture from the kept image.
    window->hide();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QRect highPyramid(0, 150, 250, 215); // no edit box there, so no blinking cursor
    EXPECT_EQ(window->grab().toImage().copy(highPyramid), shown.copy(highPyramid));
}

} // namespace
