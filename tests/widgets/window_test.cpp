#include "game_profiles.h"
#include "window_fixture.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

namespace {

TEST(Window, CaptionSizeAndPlaceAreThePrograms) {
    struct Case {
        const GameProfile* profile;
        const char* caption;
    };
    for (const Case& c : {Case{&kRk7klvn, "Riko7 Kelvane"}, Case{&kRk6klvn, "Riko6 Kelvane"},
                          Case{&kMiniklvn, "Mini RIKO Kelvane"}}) {
        auto window = startedWindow(*c.profile);
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(c.caption));
        EXPECT_EQ(window->objectName(), "MAINFORM");
        EXPECT_FALSE(window->windowIcon().isNull());
        // Without a window manager the frame is the client area itself.
        EXPECT_EQ(window->frameGeometry().size(), QSize(648, 466));
        const QRect screen = window->screen()->geometry();
        EXPECT_EQ(window->frameGeometry().topLeft(),
                  QPoint(screen.width() / 2 - 324, screen.height() / 2 - 233));
        EXPECT_EQ(window->contentsMargins(), QMargins());
    }
}

TEST(Window, ControlsKeepTheirPlacesWhenTheWindowIsResized) {
    auto window = startedWindow(kRk7klvn);
    window->resize(900, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(child<QWidget>(*window, "BUTTON10")->geometry(), QRect(552, 369, 72, 54));
    EXPECT_EQ(child<QWidget>(*window, "EDIT25")->geometry(), QRect(120, 396, 416, 27));
}

// Fifteen candidates do not fit into the list boxes; pointing at a list shows it whole.
TEST(Window, CandidateListsShowWholeInTheirTooltips) {
    auto window = startedWindow(kRk7klvn);
    const QString list = " 01, 02, 05, 10, 13, 18, 19, 20, 21, 21, 22, 24, 24, 27, 29";
    for (const char* name : {"EDIT24", "EDIT25"}) {
        auto* box = child<QLineEdit>(*window, name);
        window->setText(name, list);
        ASSERT_GT(box->fontMetrics().horizontalAdvance(list), box->contentsRect().width()) << name;

        const QPoint inside = box->rect().center();
        QHelpEvent pointedAt(QEvent::ToolTip, inside, box->mapToGlobal(inside));
        QApplication::sendEvent(box, &pointedAt);
        EXPECT_TRUE(QToolTip::isVisible()) << name;
        EXPECT_EQ(QToolTip::text(), list) << name;
        QToolTip::hideText();

        window->setText(name, QString());
        EXPECT_EQ(box->toolTip(), QString()) << name;
    }
}

TEST(Window, UnexpectedFailureTakesTheGeneralErrorPath) {
    auto window = startedWindow(kRk6klvn);
    window->setText("EDIT3", "12");
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->accept();
    });
    window->run([](MainForm&) { throw ProgramFault("broken"); });
    EXPECT_EQ(caption, "エラー発生");
    EXPECT_EQ(text, "不具合が発生しました、終了します。");
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_FALSE(window->isVisible()) << "the program ends";

    // The program asked the application to quit; a short run of the main loop takes that back,
    // so that the dialogs of later tests in this process still run their loops.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace
