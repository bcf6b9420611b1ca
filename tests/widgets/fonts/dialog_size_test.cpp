#include "backtest_dialog.h"
#include "dialog_steps.h"
#include "game_profiles.h"
#include "window_fixture.h"

#include "../unit/record_test_support.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>

namespace {

// Forty weekly files of which each tells its oldest draw differently from the two files
// before it: forty disagreements, listed in the dialog.
TEST(BacktestDialog, FitsTheScreenWithFortyDisagreements) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    std::mt19937 random(40u);
    std::vector<int> pool(37);
    std::iota(pool.begin(), pool.end(), 1);
    const auto randomDraw = [&] {
        std::shuffle(pool.begin(), pool.end(), random);
        std::vector<int> draw(pool.begin(), pool.begin() + 7);
        std::sort(draw.begin(), draw.end());
        return draw;
    };
    std::vector<std::vector<int>> drawn(44);
    for (auto& d : drawn)
        d = randomDraw();
    for (int latest = 3; latest <= 43; ++latest) {
        std::vector<int> retold = randomDraw();
        while (retold == drawn[latest - 2])
            retold = randomDraw();
        writeFile(data.filePath(QString("7R%1kai.dat").arg(latest)),
                  dataFile({drawn[latest], drawn[latest - 1], retold}, latest));
    }
    auto window = startedWindow(kRk7klvn, installed.path());

    bool checked = false;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        const QRect screen = dialog.screen()->availableGeometry();
        std::printf("screen %dx%d\n", screen.width(), screen.height());
        const QString summary = dialog.findChild<QLabel*>("SUMMARY")->text();
        ASSERT_TRUE(summary.contains("食い違い 40 件")) << summary.toStdString();
        EXPECT_TRUE(screen.contains(dialog.frameGeometry()))
            << dialog.frameGeometry().width() << "x" << dialog.frameGeometry().height();
        for (const char* name : {"RESULTS", "COPY", "SAVE", "CLOSE"}) {
            const auto* button = dialog.findChild<QPushButton*>(name);
            ASSERT_NE(button, nullptr) << name;
            EXPECT_TRUE(button->isVisible()) << name;
            const QRect inDialog(button->mapTo(&dialog, QPoint()), button->size());
            EXPECT_TRUE(dialog.rect().contains(inDialog)) << name;
        }
        const auto* table = dialog.findChild<QTableView*>("TABLE");
        EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width());
        checked = true;
    });
    window->surfaceMenu().showBacktest();
    EXPECT_TRUE(checked);
}

} // namespace
