#include "game_profiles.h"
#include "window_fixture.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

struct Placement {
    const char* name;
    int x, y, w, h;
    bool tabStop;
};

// The controls of the 7-number window, laid out by hand from the form's design.
const std::vector<Placement> kSevenNumberControls = {
    {"EDIT22", 8, 36, 80, 27, true},       {"EDIT1", 176, 36, 32, 27, true},
    {"EDIT2", 224, 36, 32, 27, true},      {"EDIT3", 272, 36, 32, 27, true},
    {"EDIT4", 320, 36, 32, 27, true},      {"EDIT5", 368, 36, 32, 27, true},
    {"EDIT6", 416, 36, 32, 27, true},      {"EDIT7", 464, 36, 32, 27, true},
    {"EDIT27", 8, 72, 80, 27, true},       {"EDIT8", 176, 72, 32, 27, true},
    {"EDIT14", 464, 72, 32, 27, true},     {"EDIT28", 8, 108, 80, 27, true},
    {"EDIT15", 176, 108, 32, 27, true},    {"EDIT21", 464, 108, 32, 27, true},
    {"BUTTON1", 504, 36, 24, 27, false},   {"BUTTON2", 504, 72, 24, 27, false},
    {"BUTTON3", 504, 108, 24, 27, false},  {"BUTTON4", 552, 108, 72, 36, false},
    {"BUTTON5", 552, 36, 72, 36, true},    {"BUTTON6", 552, 144, 72, 36, false},
    {"BUTTON7", 552, 72, 72, 36, false},   {"BUTTON8", 552, 216, 72, 36, false},
    {"BUTTON9", 552, 180, 72, 36, false},  {"BUTTON10", 552, 369, 72, 54, false},
    {"BUTTON11", 552, 252, 72, 36, false}, {"EDIT23", 264, 225, 32, 27, false},
    {"EDIT24", 120, 369, 416, 27, false},  {"EDIT25", 120, 396, 416, 27, false},
    {"EDIT26", 264, 279, 32, 27, false},   {"BUTTON12", 552, 288, 72, 36, false},
    {"BUTTON13", 552, 324, 72, 36, false},
};

const std::vector<Placement> kSixNumberDifferences = {
    {"EDIT6", 416, 36, 32, 27, true},     {"EDIT7", 472, 36, 32, 27, true},
    {"EDIT14", 472, 72, 32, 27, true},    {"EDIT21", 472, 108, 32, 27, true},
    {"BUTTON1", 512, 36, 32, 27, false},  {"BUTTON2", 512, 72, 32, 27, false},
    {"BUTTON3", 512, 108, 32, 27, false},
};

const std::vector<Placement> kMiniDifferences = {
    {"EDIT5", 368, 36, 32, 27, true},    {"EDIT6", 176, 72, 32, 27, true},
    {"EDIT10", 368, 72, 32, 27, true},   {"EDIT11", 176, 108, 32, 27, true},
    {"EDIT15", 368, 108, 32, 27, true},  {"BUTTON1", 464, 36, 64, 27, false},
    {"BUTTON2", 464, 72, 64, 27, false}, {"BUTTON3", 464, 108, 64, 27, false},
};

void expectPlacements(const MainWindow& window, const std::vector<Placement>& placements) {
    for (const Placement& p : placements) {
        auto* control = child<QWidget>(window, QString::fromLatin1(p.name));
        EXPECT_EQ(control->geometry(), QRect(p.x, p.y, p.w, p.h)) << p.name;
        EXPECT_TRUE(control->isVisible()) << p.name;
        const bool tabStop = control->focusPolicy() & Qt::TabFocus;
        EXPECT_EQ(tabStop, p.tabStop) << p.name;
    }
}

// The tab stops in the order that Tab visits them, starting from the first one.
QStringList tabOrder(MainWindow& window, const QString& first) {
    QStringList order;
    child<QWidget>(window, first)->setFocus();
    for (int i = 0; i < 40; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || (i > 0 && focused->objectName() == first))
            break;
        order << focused->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return order;
}

TEST(FieldMap, SevenNumberWindowPlacesEveryControl) {
    auto window = startedWindow(kRk7klvn);
    expectPlacements(*window, kSevenNumberControls);
}

TEST(FieldMap, SixNumberWindowMovesTheBonusBoxesAndClearButtons) {
    auto window = startedWindow(kRk6klvn);
    expectPlacements(*window, kSixNumberDifferences);
}

TEST(FieldMap, MiniWindowHasFiveBoxesPerRowAndHidesTheRest) {
    auto window = startedWindow(kMiniklvn);
    expectPlacements(*window, kMiniDifferences);
    for (int number = 16; number <= 21; ++number) {
        auto* hidden = child<QLineEdit>(*window, QStringLiteral("EDIT%1").arg(number));
        EXPECT_FALSE(hidden->isVisible());
        EXPECT_EQ(hidden->size(), QSize(0, 0));
        EXPECT_EQ(hidden->y(), 333);
        EXPECT_EQ(hidden->focusPolicy(), Qt::NoFocus);
    }
}

TEST(FieldMap, TabVisitsTheBoxesInCreationOrder) {
    auto seven = startedWindow(kRk7klvn);
    ASSERT_TRUE(QTest::qWaitForWindowActive(seven.get()));
    const QStringList sevenOrder = tabOrder(*seven, "EDIT22");
    EXPECT_EQ(sevenOrder.size(), 25);
    EXPECT_EQ(sevenOrder.mid(0, 3), QStringList({"EDIT22", "EDIT1", "EDIT2"}));
    EXPECT_EQ(sevenOrder.mid(7, 2), QStringList({"EDIT7", "EDIT27"}));
    EXPECT_EQ(sevenOrder.last(), "BUTTON5");
    seven.reset();

    auto mini = startedWindow(kMiniklvn);
    ASSERT_TRUE(QTest::qWaitForWindowActive(mini.get()));
    const QStringList miniOrder = tabOrder(*mini, "EDIT1");
    EXPECT_EQ(miniOrder.size(), 19);
    EXPECT_EQ(miniOrder.mid(14, 5),
              QStringList({"EDIT15", "EDIT22", "EDIT27", "EDIT28", "BUTTON5"}));
}

TEST(FieldMap, ButtonsCarryTheirCaptionsAndFonts) {
    auto window = startedWindow(kMiniklvn);
    const std::pair<const char*, const char*> captions[] = {
        {"BUTTON1", "CL"},       {"BUTTON4", "全クリア"}, {"BUTTON5", "次回予想"},
        {"BUTTON6", "計算結果"}, {"BUTTON7", "回送り"},   {"BUTTON8", "保存"},
        {"BUTTON9", "データ"},   {"BUTTON10", "終了"},    {"BUTTON11", "ヘルプ"},
        {"BUTTON12", "Riko6"},   {"BUTTON13", "Riko7"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(child<QPushButton>(*window, name)->text(), QString::fromUtf8(caption)) << name;

    EXPECT_TRUE(child<QPushButton>(*window, "BUTTON5")->font().bold());
    EXPECT_TRUE(child<QPushButton>(*window, "BUTTON7")->font().bold());
    EXPECT_FALSE(child<QPushButton>(*window, "BUTTON6")->font().bold());
    EXPECT_EQ(child<QPushButton>(*window, "BUTTON3")->font().pixelSize(), 14);
    EXPECT_EQ(child<QPushButton>(*window, "BUTTON13")->font().pixelSize(), 16);
}

TEST(FieldMap, EditBoxColoursAndAlignment) {
    auto window = startedWindow(kRk6klvn);
    const auto textColour = [&](const char* name) {
        return child<QLineEdit>(*window, name)->palette().color(QPalette::Text);
    };
    EXPECT_EQ(textColour("EDIT1"), QColor(0, 0, 0));
    EXPECT_EQ(textColour("EDIT23"), QColor(0, 128, 0));
    EXPECT_EQ(textColour("EDIT26"), QColor(0, 128, 0));
    EXPECT_EQ(textColour("EDIT24"), QColor(255, 0, 0));
    EXPECT_EQ(textColour("EDIT25"), QColor(0, 0, 255));
    EXPECT_TRUE(child<QLineEdit>(*window, "EDIT22")->alignment() & Qt::AlignRight);
    EXPECT_TRUE(child<QLineEdit>(*window, "EDIT24")->alignment() & Qt::AlignLeft);
}

} // namespace
