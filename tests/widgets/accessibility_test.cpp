#include "backtest_table_model.h"
#include "drawn_picture.h"
#include "field_map.h"
#include "game_profiles.h"
#include "hit_chart.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>

namespace {

QString accessibleName(QObject* object) {
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

class ControlNames : public testing::TestWithParam<const GameProfile*> {};

// Every object a screen reader finds in the window has a name of its own.
TEST_P(ControlNames, AreThereAndUnique) {
    auto window = startedWindow(*GetParam());
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window.get());
    QSet<QString> names;
    for (int i = 0; i < face->childCount(); ++i) {
        const QString name = face->child(i)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << face->child(i)->object()->objectName().toStdString();
        EXPECT_FALSE(names.contains(name)) << name.toStdString();
        names.insert(name);
    }
    EXPECT_EQ(names.size(), static_cast<qsizetype>(fieldMap(*GetParam()).size()) + 1);
    for (const char* clear : {"BUTTON1", "BUTTON2", "BUTTON3"})
        EXPECT_EQ(child<QPushButton>(*window, clear)->text(), "CL");
}

INSTANTIATE_TEST_SUITE_P(Games, ControlNames, testing::Values(&kRk7klvn, &kRk6klvn, &kMiniklvn));

struct NameCase {
    const GameProfile* game;
    const char* control;
    const char16_t* name;
    const char16_t* description;
};

const NameCase kNames[] = {
    {&kRk7klvn, "EDIT22", u"抽選回", u"6 桁までの数字"},
    {&kRk7klvn, "EDIT27", u"２回前抽選 抽選回", u"6 桁までの数字"},
    {&kRk7klvn, "EDIT1", u"１回前抽選 1 番目", u"1 から 37 の数字"},
    {&kRk7klvn, "EDIT21", u"３回前抽選 7 番目", u"1 から 37 の数字"},
    {&kRk7klvn, "BUTTON1", u"１回前抽選をクリア", u""},
    {&kRk7klvn, "BUTTON12", u"Riko6", u"RK6KLVN に切り替える"},
    {&kRk6klvn, "EDIT7", u"１回前抽選 Ｂ数字", u"1 から 43 の数字"},
    {&kRk6klvn, "EDIT23", u"キー数字 表", u"「次回予想」が書き込む欄"},
    {&kRk6klvn, "BUTTON3", u"３回前抽選をクリア", u""},
    {&kMiniklvn, "EDIT15", u"３回前抽選 5 番目", u"1 から 31 の数字"},
    {&kMiniklvn, "EDIT26", u"キー数字 裏", u"「次回予想」が書き込む欄"},
    {&kMiniklvn, "EDIT24", u"高気圧型予想数字", u"「次回予想」が書き込む欄"},
    {&kMiniklvn, "BUTTON5", u"次回予想", u""},
};

TEST(ControlNames, SayWhatThePlayerReadsOffTheWindow) {
    for (const NameCase& c : kNames) {
        auto window = startedWindow(*c.game);
        QAccessibleInterface* face =
            QAccessible::queryAccessibleInterface(child<QWidget>(*window, c.control));
        EXPECT_EQ(face->text(QAccessible::Name), QString::fromUtf16(c.name)) << c.control;
        EXPECT_EQ(face->text(QAccessible::Description), QString::fromUtf16(c.description))
            << c.control;
    }
}

class ReadablePicture : public testing::Test {
protected:
    void SetUp() override { window = startedWindow(kRk7klvn); }

    void typeDraws() {
        for (int box = 1; box <= 21; ++box)
            window->setText(editName(box), QString::number(box));
        window->setText("EDIT22", "1234");
    }

    QString text() const {
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(picture())->textInterface();
        return text->text(0, text->characterCount());
    }
    DrawnPicture* picture() const { return window->findChild<DrawnPicture*>(); }

    std::unique_ptr<MainWindow> window;
};

// The commands run from the keyboard as the boxes pass them on, and the picture reads what they
// drew. The offscreen platform has no accessibility bridge: the change events are read through
// the desktop's bus end to end.
TEST_F(ReadablePicture, FollowsTheCommandsAndAnnouncesEachChange) {
    typeDraws();
    auto* box = child<QLineEdit>(*window, "EDIT3");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Y, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_EQ(accessibleName(picture()), "図 RIKO7  Kelvane 1235 回予想");
    EXPECT_TRUE(text().contains("高気圧型 6 段目: 11 10 09 08 21 20"));
    EXPECT_TRUE(text().contains("高気圧型予想数字: " + window->text("EDIT24").trimmed()));

    QTest::keyClick(box, Qt::Key_K, Qt::AltModifier);
    QTest::qWait(300);
    EXPECT_TRUE(text().contains("計算結果 表: 35 - 22  裏: 22 - 35"));
}

// The box's menu has QLineEdit's entries and states, then the surface's commands; its paste is
// held to the box's rules.
TEST(BoxMenu, OffersTheEditingEntriesThenTheSurfaceCommandsAndChecksThePaste) {
    auto window = startedWindow(kRk7klvn);
    auto* box = child<QLineEdit>(*window, "EDIT22");
    window->setText("EDIT22", "12");
    box->setSelection(0, 1);
    QGuiApplication::clipboard()->setText(QStringLiteral("3ab"));
    const auto entries = [](const QMenu& menu) {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
        texts.removeAll(QString(" (off)")); // separators
        texts.removeAll(QString());
        return texts;
    };
    QMenu* standard = box->createStandardContextMenu();
    const QStringList expected =
        entries(*standard) + QStringList{"コピー(&Y)", "照合(&S)...", "結果から入力(&I)"};
    delete standard;

    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                            box->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(entries(*menu), expected);

    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->text().startsWith(QCoreApplication::translate("QLineEdit", "&Paste")))
            paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(box->text(), "12");
    QGuiApplication::clipboard()->setText(QStringLiteral("5"));
    paste->trigger();
    EXPECT_EQ(box->text(), "52");
    menu->close();
}

// 「照合」 read aloud: the columns by their names on one line, the chart's bars in words.
TEST(BacktestReading, NamesTheColumnsAndSaysTheBars) {
    BacktestTableModel model;
    for (int column = 0; column < model.columnCount(); ++column) {
        const QString shown = model.headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(model.headerData(column, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
                  QString(shown).remove(u'\n'));
    }
    HitChart chart;
    Evaluation evaluation;
    evaluation.draws.resize(3);
    evaluation.high = {{2, 1}, {0.25, 0.75}};
    chart.setEvaluation(evaluation, {});
    EXPECT_TRUE(
        QAccessible::queryAccessibleInterface(&chart)
            ->text(QAccessible::Description)
            .startsWith(
                "高気圧型。0 個 2 回 (66.7%、偶然 25.0%)、1 個 1 回 (33.3%、偶然 75.0%)\n"));
}

} // namespace
