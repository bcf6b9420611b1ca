#include "entry_box.h"
#include "game_profiles.h"
#include "window_fixture.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class KeyCycle : public testing::Test {
protected:
    void open(const GameProfile& profile) {
        window = startedWindow(profile);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QWidget* focusOn(const char* name) {
        QWidget* control = child<QWidget>(*window, QString::fromLatin1(name));
        control->setFocus();
        QCoreApplication::processEvents();
        return control;
    }

    static QString focused() {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget->objectName() : QString();
    }

    static void enter(QWidget* target, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(target, Qt::Key_Return, modifiers);
    }

    static void autoRepeat(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(KeyCycle, EnterWalksForwardAndWraps) {
    open(kRk7klvn);
    enter(focusOn("EDIT7"));
    EXPECT_EQ(focused(), "EDIT27");
    enter(focusOn("EDIT21"));
    EXPECT_EQ(focused(), "EDIT22");
    enter(QApplication::focusWidget());
    EXPECT_EQ(focused(), "EDIT1");
}

TEST_F(KeyCycle, ShiftEnterMovesBackAndStopsAtTheFirstField) {
    open(kRk6klvn);
    enter(focusOn("EDIT27"), Qt::ShiftModifier);
    EXPECT_EQ(focused(), "EDIT7");
    enter(focusOn("EDIT1"), Qt::ShiftModifier);
    EXPECT_EQ(focused(), "EDIT1");
    QTest::keyClick(focusOn("EDIT1"), Qt::Key_F12);
    EXPECT_EQ(focused(), "EDIT1");
}

TEST_F(KeyCycle, ReleasingShiftBeforeEnterMovesForward) {
    open(kRk7klvn);
    QWidget* box = focusOn("EDIT3");
    QTest::keyPress(box, Qt::Key_Shift);
    QTest::keyPress(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyRelease(box, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyRelease(box, Qt::Key_Return, Qt::NoModifier);
    EXPECT_EQ(focused(), "EDIT4");
}

TEST_F(KeyCycle, ShiftPressedWhileEnterIsHeldMovesForward) {
    open(kRk7klvn);
    QWidget* box = focusOn("EDIT3");
    QTest::keyPress(box, Qt::Key_Return);
    QTest::keyPress(box, Qt::Key_Shift, Qt::ShiftModifier);
    QTest::keyRelease(box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyRelease(box, Qt::Key_Shift);
    EXPECT_EQ(focused(), "EDIT4");
}

TEST_F(KeyCycle, FunctionKeys) {
    open(kRk7klvn);
    QTest::keyClick(focusOn("EDIT28"), Qt::Key_F1);
    EXPECT_EQ(focused(), "EDIT15");
    QTest::keyClick(focusOn("EDIT9"), Qt::Key_F12);
    EXPECT_EQ(focused(), "EDIT8");
    QTest::keyClick(focusOn("EDIT5"), Qt::Key_F2);
    EXPECT_EQ(focused(), "EDIT5");
    QTest::keyClick(focusOn("EDIT5"), Qt::Key_F3);
    EXPECT_EQ(focused(), "EDIT5");
}

TEST_F(KeyCycle, HeldEnterMovesOnce) {
    open(kRk7klvn);
    QWidget* box = focusOn("EDIT1");
    QTest::keyPress(box, Qt::Key_Return);
    for (int i = 0; i < 5; ++i)
        autoRepeat(box, Qt::Key_Return);
    QTest::keyRelease(box, Qt::Key_Return);
    EXPECT_EQ(focused(), "EDIT2");
}

TEST_F(KeyCycle, NothingMovesOutsideTheCycle) {
    open(kRk7klvn);
    for (const char* outside : {"EDIT23", "EDIT24", "EDIT25", "EDIT26", "BUTTON5"}) {
        enter(focusOn(outside));
        EXPECT_EQ(focused(), QString::fromLatin1(outside));
    }
}

TEST_F(KeyCycle, MiniCycleSkipsRowOnesDrawNumber) {
    open(kMiniklvn);
    enter(focusOn("EDIT15"));
    EXPECT_EQ(focused(), "EDIT1");
    enter(focusOn("EDIT5"));
    EXPECT_EQ(focused(), "EDIT27");
    enter(focusOn("EDIT22"));
    EXPECT_EQ(focused(), "EDIT22");
}

TEST_F(KeyCycle, EnterThatConfirmsACompositionStays) {
    open(kRk7klvn);
    auto* box = static_cast<EntryBox*>(focusOn("EDIT2"));
    QInputMethodEvent composing(QStringLiteral("１"), {});
    QApplication::sendEvent(box, &composing);
    ASSERT_TRUE(box->composing());
    enter(box);
    EXPECT_EQ(focused(), "EDIT2");

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１"));
    QApplication::sendEvent(box, &commit);
    EXPECT_FALSE(box->composing());
    EXPECT_EQ(box->text(), "1");
    enter(box);
    EXPECT_EQ(focused(), "EDIT3");
}

TEST_F(KeyCycle, EnterSelectsTheTextOfTheNextBoxSoThatTypingReplacesIt) {
    open(kRk7klvn);
    window->setText("EDIT2", "12");
    enter(focusOn("EDIT1"));
    auto* next = static_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_EQ(focused(), "EDIT2");
    EXPECT_EQ(next->selectedText(), "12");
    QTest::keyClicks(next, "3");
    EXPECT_EQ(next->text(), "3");
}

// A handler's dialog leaves the window inactive when the handler moves the focus.
TEST_F(KeyCycle, AFocusMoveOfAHandlerOutlastsTheWindowsNextActivation) {
    open(kRk6klvn);
    window->setText("EDIT22", "1235");
    window->setText("EDIT1", "7");
    focusOn("EDIT22");
    QWidget dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    window->setFocus("EDIT1");
    dialog.hide();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QCoreApplication::processEvents();
    ASSERT_EQ(focused(), "EDIT1");
    EXPECT_EQ(window->fieldCycle().CurrentField(), 1);
    EXPECT_EQ(static_cast<QLineEdit*>(QApplication::focusWidget())->selectedText(), "7");
}

TEST_F(KeyCycle, FocusReturnsToTheLastCycleFieldOnAClickOnTheSurface) {
    open(kRk7klvn);
    focusOn("EDIT9");
    focusOn("EDIT24");
    QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 250));
    EXPECT_EQ(focused(), "EDIT9");
}

TEST_F(KeyCycle, FocusReturnsToTheLastCycleFieldWhenTheWindowIsActivatedAgain) {
    open(kRk6klvn);
    focusOn("EDIT12");
    focusOn("BUTTON5");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QCoreApplication::processEvents();
    EXPECT_EQ(focused(), "EDIT12");
}

} // namespace
