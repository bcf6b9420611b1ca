#include "game_profiles.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>

namespace {

class Typing : public testing::Test {
protected:
    void SetUp() override {
        window = startedWindow(kRk7klvn);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* box(const char* name) {
        auto* edit = child<QLineEdit>(*window, QString::fromLatin1(name));
        edit->setFocus();
        return edit;
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(Typing, NumberBoxTakesTwoDigitsOnly) {
    QLineEdit* edit = box("EDIT3");
    QTest::keyClicks(edit, "1a2-3 4");
    EXPECT_EQ(edit->text(), "12");
}

TEST_F(Typing, DrawNumberBoxTakesSixDigitsAndListsSixty) {
    QLineEdit* draw = box("EDIT22");
    QTest::keyClicks(draw, "12345678");
    EXPECT_EQ(draw->text(), "123456");

    QLineEdit* list = box("EDIT24");
    QTest::keyClicks(list, QString(61, u'7'));
    EXPECT_EQ(list->text().size(), 60);
}

TEST_F(Typing, FullWidthDigitsBecomeAsciiDigits) {
    QLineEdit* edit = box("EDIT1");
    for (const QString& digit : {QStringLiteral("１"), QStringLiteral("２")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, digit);
        QApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(edit->text(), "12");

    QLineEdit* other = box("EDIT2");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("３７"));
    QApplication::sendEvent(other, &commit);
    EXPECT_EQ(other->text(), "37");

    QLineEdit* third = box("EDIT4");
    QInputMethodEvent letters;
    letters.setCommitString(QStringLiteral("ＡＢ"));
    QApplication::sendEvent(third, &letters);
    EXPECT_EQ(third->text(), "");
}

TEST_F(Typing, ProgramSetTextsStayWholeAndStillTakeTyping) {
    window->setText("EDIT22", " 123457");
    EXPECT_EQ(window->text("EDIT22"), " 123457");
    QLineEdit* draw = box("EDIT22");
    draw->end(false);
    QTest::keyClicks(draw, "8");
    EXPECT_EQ(draw->text(), " 123457") << "no room for a seventh typed character";

    window->setText("EDIT5", " 5");
    QLineEdit* number = box("EDIT5");
    number->selectAll();
    QTest::keyClicks(number, "31");
    EXPECT_EQ(number->text(), "31");

    const QString list =
        QStringLiteral(" 01, 02, 05, 10, 13, 18, 19, 20, 21, 21, 22, 24, 24, 27, 29");
    window->setText("EDIT25", list);
    EXPECT_EQ(window->text("EDIT25"), list);
}

TEST_F(Typing, PastingIsHeldToTheSameRules) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QLineEdit* edit = box("EDIT22");
    clipboard->setText(QStringLiteral("12ab"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "");

    clipboard->setText(QStringLiteral("１２３４５６７"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "123456");
}

TEST_F(Typing, DroppedTextIsRefused) {
    QLineEdit* edit = box("EDIT1");
    QMimeData data;
    data.setText(QStringLiteral("abc12345"));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(edit, &drop);
    EXPECT_EQ(edit->text(), "");
}

TEST_F(Typing, ABoxKeepsItsSelectionWhenItLosesTheFocus) {
    window->setText("EDIT9", "23");
    QLineEdit* edit = box("EDIT9");
    edit->selectAll();
    box("EDIT10");
    QCoreApplication::processEvents();
    EXPECT_EQ(edit->selectedText(), "23");
}

TEST_F(Typing, SelectAllAndCopyWork) {
    window->setText("EDIT9", "23");
    QLineEdit* edit = box("EDIT9");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "23");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "23");
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "");
}

} // namespace
