#include "backtest_dialog.h"
#include "game_profiles.h"
#include "window_fixture.h"

#include "../unit/record_test_support.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Runs the check on the dialog once the window has opened it, then closes it.
void inNextBacktestDialog(std::function<void(BacktestDialog&)> check) {
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<BacktestDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto close = qScopeGuard([dialog] { dialog->reject(); });
        check(*dialog);
    });
}

// Answers the next file dialog with a path, noting the filters it offered.
void chooseInNextFileDialog(const QString& path, QStringList& filters) {
    QTimer::singleShot(0, [&filters, path] {
        auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(files, nullptr);
        filters = files->nameFilters();
        files->selectFile(path);
        static_cast<QDialog*>(files)->accept();
    });
}

// Closes the next message box once it is up, noting its caption and text. It waits for the box
// rather than for the next turn of the event loop, as a file dialog closes before it opens.
void closeNextMessageBox(QString& caption, QString& text, int turns = 100) {
    QTimer::singleShot(10, [&caption, &text, turns] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ASSERT_GT(turns, 0) << "no message box came up";
            closeNextMessageBox(caption, text, turns - 1);
            return;
        }
        caption = box->windowTitle();
        text = box->text();
        box->accept();
    });
}

const std::vector<int> kA{3, 11, 17, 22, 28, 31, 36};
const std::vector<int> kB{1, 5, 9, 14, 20, 26, 33};
const std::vector<int> kC{2, 7, 12, 19, 24, 30, 35};
const std::vector<int> kNext{1, 5, 9, 14, 25, 30, 37};

// Draws 1232..1234 are the worked example of the prediction, draw 1235 follows it: its high list
// hits 5 14 25, its low list 1 5, together 1 5 14 25; the front key 9 was drawn, the back key 28
// was not.
TEST(BacktestDialog, EvaluatesTheDataFilesOfTheDataFolder) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    writeFile(data.filePath("7R1234kai.dat"), dataFile({kA, kB, kC}, 1234));
    writeFile(data.filePath("7R1235kai.dat"), dataFile({kNext, kA, kB}, 1235));
    auto window = startedWindow(kRk7klvn, installed.path());

    bool checked = false;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "照合");
        const QString summary = dialog.findChild<QLabel*>("SUMMARY")->text();
        EXPECT_TRUE(summary.contains("照合した抽選 1 回 (第1235回 ～ 第1235回)"))
            << summary.toStdString();
        // Nine, thirteen and fifteen numbers name 9, 13 and 15 times 7 / 37 by chance.
        EXPECT_TRUE(summary.contains("高気圧型 3.00 (偶然 1.70)、低気圧型 2.00 (偶然 2.46)、"
                                     "両方 4.00 (偶然 2.84)"))
            << summary.toStdString();
        EXPECT_TRUE(summary.contains("表 100.0% (偶然 18.9%)、裏 0.0% (偶然 18.9%)"))
            << summary.toStdString();
        EXPECT_TRUE(summary.contains("読んだデータファイル 2 個")) << summary.toStdString();

        const QAbstractItemModel* model = dialog.findChild<QTableView*>("TABLE")->model();
        ASSERT_EQ(model->rowCount(), 1);
        EXPECT_EQ(model->index(0, 0).data().toString(), "1235");
        EXPECT_EQ(model->index(0, 1).data().toString(), "1 5 9 14 25 30 37");
        EXPECT_EQ(model->index(0, 2).data().toString(), "3");
        EXPECT_EQ(model->index(0, 3).data().toString(), "2");
        EXPECT_EQ(model->index(0, 4).data().toString(), "4");

        dialog.findChild<QPushButton*>("COPY")->click();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        ASSERT_EQ(lines.size(), 3); // the header, one draw, the end of the last line
        EXPECT_TRUE(lines[0].startsWith("回\t当選数字\t高気圧型\t低気圧型\t両方\t表\t裏"));
        EXPECT_EQ(lines[1],
                  "1235\t1 5 9 14 25 30 37\t3\t2\t4\t1\t0\t5 14 25\t1 5\t1 5 14 25\t9\t28");
        checked = true;
    });
    window->surfaceMenu().showBacktest();
    EXPECT_TRUE(checked);
}

TEST(BacktestDialog, AddsTheDrawsOfAChosenResultsFile) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    writeFile(data.filePath("7R1234kai.dat"), dataFile({kA, kB, kC}, 1234));
    const QString results = data.filePath("results.csv");
    writeFile(results,
              "1235,2026/12/03,1,5,9,14,25,30,37\r\n1236,2026/12/10,3,8,13,18,23,28,33\r\n");
    auto window = startedWindow(kRk7klvn, installed.path());

    QStringList filters;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        chooseInNextFileDialog(results, filters);
        dialog.findChild<QPushButton*>("RESULTS")->click();
        const QString summary = dialog.findChild<QLabel*>("SUMMARY")->text();
        EXPECT_TRUE(summary.contains("照合した抽選 2 回 (第1235回 ～ 第1236回)"))
            << summary.toStdString();
        EXPECT_EQ(dialog.findChild<QTableView*>("TABLE")->model()->index(0, 0).data().toString(),
                  "1236");
    });
    window->surfaceMenu().showBacktest();
    EXPECT_EQ(filters, QStringList({"CSV(*.csv *.txt)"}));
}

TEST(BacktestDialog, KeepsTheHistoryWhenTheResultsFileIsRefused) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    writeFile(data.filePath("7R1234kai.dat"), dataFile({kA, kB, kC}, 1234));
    writeFile(data.filePath("7R1235kai.dat"), dataFile({kNext, kA, kB}, 1235));
    const QString results = data.filePath("results.csv");
    writeFile(results, QByteArray("1236,\x82", 6)); // neither UTF-8 nor Shift-JIS
    auto window = startedWindow(kRk7klvn, installed.path());

    QStringList filters;
    QString caption;
    QString reason;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        chooseInNextFileDialog(results, filters);
        closeNextMessageBox(caption, reason);
        dialog.findChild<QPushButton*>("RESULTS")->click();
        EXPECT_TRUE(dialog.findChild<QLabel*>("SUMMARY")->text().contains("照合した抽選 1 回"));
        EXPECT_EQ(dialog.findChild<QTableView*>("TABLE")->model()->rowCount(), 1);
    });
    window->surfaceMenu().showBacktest();
    EXPECT_EQ(caption, "照合");
    EXPECT_FALSE(reason.isEmpty());
}

TEST(BacktestDialog, SavesTheTableAsUtf8WithAByteOrderMark) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    writeFile(data.filePath("7R1234kai.dat"), dataFile({kA, kB, kC}, 1234));
    writeFile(data.filePath("7R1235kai.dat"), dataFile({kNext, kA, kB}, 1235));
    const QString saved = data.filePath("check.csv");
    auto window = startedWindow(kRk7klvn, installed.path());

    QStringList filters;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        chooseInNextFileDialog(saved, filters);
        dialog.findChild<QPushButton*>("SAVE")->click();
    });
    window->surfaceMenu().showBacktest();
    EXPECT_EQ(filters, QStringList({"CSV(*.csv)"}));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF" +
                                 QString("回,当選数字,高気圧型,低気圧型,両方,表,裏,").toUtf8()));
    EXPECT_TRUE(
        bytes.endsWith("\r\n1235,1 5 9 14 25 30 37,3,2,4,1,0,5 14 25,1 5,1 5 14 25,9,28\r\n"));
}

TEST(BacktestDialog, SaysWhatItNeedsWhenNothingCanBeEvaluated) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    writeFile(installed.filePath("rkk7data/7R1234kai.dat"), dataFile({kA, kB, kC}, 1234));
    auto window = startedWindow(kRk7klvn, installed.path());

    bool checked = false;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        const QString summary = dialog.findChild<QLabel*>("SUMMARY")->text();
        EXPECT_TRUE(summary.contains("4 回続けて分かっている抽選が必要です"))
            << summary.toStdString();
        EXPECT_EQ(dialog.findChild<QTableView*>("TABLE")->model()->rowCount(), 0);
        checked = true;
    });
    window->surfaceMenu().showBacktest();
    EXPECT_TRUE(checked);
}

} // namespace
