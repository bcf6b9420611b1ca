#include "field_map.h"
#include "game_profiles.h"
#include "window_fixture.h"

#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// Pixels of one colour inside a box of the picture.
int count(const QImage& image, QRect box, const QColor& colour) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

class PredictionWindow : public testing::Test {
protected:
    void open(const GameProfile& profile) {
        window = startedWindow(profile);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Types the texts into the boxes as a user would: click, then keys.
    void type(const QStringList& boxes, const QStringList& texts) {
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            auto* box = child<QLineEdit>(*window, boxes[i]);
            QTest::mouseClick(box, Qt::LeftButton);
            QTest::keyClicks(box, texts[i]);
        }
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(*window, QString::fromLatin1(button)), Qt::LeftButton);
    }

    QImage picture() { return window->grab().toImage(); }

    std::unique_ptr<MainWindow> window;
};

TEST_F(PredictionWindow, SevenNumberPredictionFillsBoxesAndPyramids) {
    open(kRk7klvn);
    type(allNumberBoxes(kRk7klvn), {"36", "3",  "22", "11", "31", "17", "28", "1",  "5",  "9", "14",
                                    "20", "26", "33", "2",  "7",  "12", "19", "24", "30", "35"});
    type({"EDIT22"}, {"1234"});
    click("BUTTON5");

    EXPECT_EQ(window->text("EDIT1"), " 3");
    EXPECT_EQ(window->text("EDIT7"), "36");
    EXPECT_EQ(window->text("EDIT27"), " 1233");
    EXPECT_EQ(window->text("EDIT28"), " 1232");
    EXPECT_EQ(window->text("EDIT23"), "09");
    EXPECT_EQ(window->text("EDIT26"), "28");
    EXPECT_EQ(window->text("EDIT25"),
              " 01, 02, 05, 10, 13, 18, 19, 20, 21, 21, 22, 24, 24, 27, 29");
    EXPECT_EQ(window->text("EDIT24"),
              " 05, 10, 14, 14, 19, 20, 20, 20, 22, 24, 24, 24, 25, 25, 29");
    EXPECT_EQ(window->state().PredictionShown, 1);

    const QImage shown = picture();
    // Every cell holds a number: red digits on the left, blue on the right.
    for (QRect cell : {QRect(125, 185, 27, 27), QRect(50, 335, 27, 27), QRect(168, 275, 25, 27)})
        EXPECT_GT(count(shown, cell, kRed), 10) << cell.x() << "," << cell.y();
    for (QRect cell : {QRect(385, 185, 27, 27), QRect(456, 335, 27, 27), QRect(428, 275, 25, 27)})
        EXPECT_GT(count(shown, cell, kBlue), 10) << cell.x() << "," << cell.y();
    // The header names the next draw beside the title.
    EXPECT_GT(count(shown, QRect(366, 10, 120, 18), kBlue), 20);
    // No line sums yet.
    EXPECT_EQ(count(shown, QRect(28, 340, 20, 14), kRed), 0);
}

TEST_F(PredictionWindow, ResultsViewDrawsTheLineSumsBesideThePyramids) {
    open(kRk7klvn);
    QStringList numbers;
    for (int n = 1; n <= 21; ++n)
        numbers << QString::number(n);
    type(allNumberBoxes(kRk7klvn), numbers);
    type({"EDIT22"}, {"100"});
    click("BUTTON6"); // nothing before a prediction
    const QImage before = picture();
    EXPECT_EQ(count(before, QRect(28, 340, 20, 14), kRed), 0);

    click("BUTTON5");
    click("BUTTON6");
    const QImage shown = picture();
    EXPECT_GT(count(shown, QRect(28, 340, 20, 14), kRed), 5) << "line 15 in red left of row 5";
    EXPECT_GT(count(shown, QRect(103, 185, 20, 14), kBlack), 5) << "line 1 of the left pyramid";
    EXPECT_GT(count(shown, QRect(363, 184, 20, 14), kBlack), 5) << "line 1 of the right pyramid";
    EXPECT_GT(count(shown, QRect(348, 220, 20, 14), kBlue), 5) << "line 11 in blue";
    EXPECT_EQ(shown.pixelColor(46, 348), kRed) << "tick of line 15";
    EXPECT_GT(count(shown, QRect(251, 257, 40, 14), QColor(0, 128, 0)), 5) << "key subtraction";

    click("BUTTON6"); // a second time draws the same picture
    const QRect pyramids(0, 150, 540, 215);
    EXPECT_EQ(picture().copy(pyramids), shown.copy(pyramids));
}

// The window shows again only what a handler changed; what is on the screen must still be the
// whole picture, boxes and buttons included, after every kind of handler. The offscreen screen
// hands back what the window last put on it.
TEST_F(PredictionWindow, TheScreenHoldsTheWholePictureAfterEveryHandler) {
    open(kRk6klvn);
    QTest::qWait(300); // past the warm-up, which has the boxes keep their frames
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        return window->screen()->grabWindow(window->winId()).toImage();
    };
    const QStringList boxes = allNumberBoxes(kRk6klvn);
    const auto predict = [&](int shift) {
        for (qsizetype k = 0; k < boxes.size(); ++k)
            window->setText(boxes[k], QString::number(1 + (k * 5 + shift) % kRk6klvn.PoolSize));
        window->setText("EDIT22", QString::number(500 + shift));
        click("BUTTON5");
        ASSERT_EQ(window->state().PredictionShown, 1);
    };
    predict(0);
    EXPECT_EQ(onScreen(), picture()) << "the first prediction";
    click("BUTTON6");
    EXPECT_EQ(onScreen(), picture()) << "the results view over it";
    predict(3);
    EXPECT_EQ(onScreen(), picture()) << "a prediction of other draws";
    predict(3);
    EXPECT_EQ(onScreen(), picture()) << "the same prediction again";
    window->setText("EDIT3", "99");
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    click("BUTTON5");
    EXPECT_EQ(onScreen(), picture()) << "a prediction stopped by its message";
}

TEST_F(PredictionWindow, BadInputShowsTheMessageAndClearsTheBox) {
    open(kMiniklvn);
    QStringList numbers;
    for (int n = 1; n <= 15; ++n)
        numbers << QString::number(n);
    numbers[7] = "32"; // above the pool
    type(allNumberBoxes(kMiniklvn), numbers);
    type({"EDIT22"}, {"50"});

    QString caption, text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        box->accept();
    });
    click("BUTTON5");
    EXPECT_EQ(caption, "予想不可");
    EXPECT_EQ(text, "入力欄に不具合があります");
    EXPECT_EQ(window->text("EDIT8"), "");
    EXPECT_EQ(window->text("EDIT1"), " 1") << "the first draw is already sorted back";
    EXPECT_EQ(window->state().PredictionShown, 0);
    const QImage shown = picture();
    EXPECT_EQ(count(shown, QRect(125, 185, 27, 27), kWhite), 27 * 27) << "empty pyramid";
}

} // namespace
