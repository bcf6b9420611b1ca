#include "backtest_dialog.h"
#include "dialog_steps.h"
#include "game_profiles.h"
#include "hit_chart.h"
#include "window_fixture.h"

#include "../unit/record_test_support.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

namespace {

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
        // Nine numbers of 37 name three or more of the seven drawn with 1 - (C(30,9) +
        // 7 C(30,8) + 21 C(30,7)) / C(37,9) = 26374195 / 124403620 = 21.2 %.
        EXPECT_TRUE(
            summary.contains("高気圧型: 当たり 計 3 個 (偶然なら平均 1.70 個)、偶然でもこれ以上"
                             "当たる確率 (p 値) 21.2% → 偶然の範囲内です"))
            << summary.toStdString();
        EXPECT_TRUE(dialog.findChild<HitChart*>("CHART")->legendTexts().contains(
            "高気圧型: 偶然の範囲内です"));
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

// The weekly file of draws 1232..1234 and a results file of the two draws after them; returns
// the results file's path.
QString writeDrawsWithTwoLaterResults(const QDir& data) {
    writeFile(data.filePath("7R1234kai.dat"), dataFile({kA, kB, kC}, 1234));
    const QString results = data.filePath("results.csv");
    writeFile(results,
              "1235,2026/12/03,1,5,9,14,25,30,37\r\n1236,2026/12/10,3,8,13,18,23,28,33\r\n");
    return results;
}

TEST(BacktestDialog, AddsTheDrawsOfAChosenResultsFile) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    const QString results = writeDrawsWithTwoLaterResults(data);
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

// Closing 「照合」 and opening it again keeps the chosen results file for the program's life.
TEST(BacktestDialog, KeepsTheResultsFileWhenOpenedAgain) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    const QString results = writeDrawsWithTwoLaterResults(data);
    auto window = startedWindow(kRk7klvn, installed.path());

    QStringList filters;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        chooseInNextFileDialog(results, filters);
        dialog.findChild<QPushButton*>("RESULTS")->click();
    });
    window->surfaceMenu().showBacktest();

    QString summary;
    inNextBacktestDialog(
        [&](BacktestDialog& dialog) { summary = dialog.findChild<QLabel*>("SUMMARY")->text(); });
    window->surfaceMenu().showBacktest();
    EXPECT_TRUE(summary.contains("照合した抽選 2 回 (第1235回 ～ 第1236回)"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains("結果ファイル: " + QDir::toNativeSeparators(results)))
        << summary.toStdString();

    // The files are the window's: another window, as the next test's, starts without them.
    window.reset();
    auto another = startedWindow(kRk7klvn, installed.path());
    inNextBacktestDialog(
        [&](BacktestDialog& dialog) { summary = dialog.findChild<QLabel*>("SUMMARY")->text(); });
    another->surfaceMenu().showBacktest();
    EXPECT_TRUE(summary.contains("照合できる抽選がありません")) << summary.toStdString();
    EXPECT_FALSE(summary.contains("結果ファイル:")) << summary.toStdString();
}

// The mini game's draws 1232..1235 from two weekly files; a results file adds draw 1236.
const std::vector<int> kMiniA{3, 11, 17, 22, 28};
const std::vector<int> kMiniB{1, 5, 9, 14, 20};
const std::vector<int> kMiniC{2, 7, 12, 19, 24};
const std::vector<int> kMiniNext{4, 8, 13, 18, 25};

struct Refusal {
    const char* name;
    QByteArray bytes;
    const char* reason;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    *os << refusal.name;
}

class BacktestRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(BacktestRefusal, LeavesTheEvaluationAsItWas) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    const QDir data(installed.filePath("rkk7data"));
    writeFile(data.filePath("MR1234kai.dat"), dataFile({kMiniA, kMiniB, kMiniC}, 1234));
    writeFile(data.filePath("MR1235kai.dat"), dataFile({kMiniNext, kMiniA, kMiniB}, 1235));
    const QString good = data.filePath("good.csv");
    writeFile(good, "1236,2026/12/10,6,10,15,21,30\r\n");
    const QString bad = data.filePath("bad.csv");
    writeFile(bad, GetParam().bytes);
    auto window = startedWindow(kMiniklvn, installed.path());

    QStringList filters;
    QString caption;
    QString reason;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        chooseInNextFileDialog(good, filters);
        dialog.findChild<QPushButton*>("RESULTS")->click();
        const QString before = dialog.findChild<QLabel*>("SUMMARY")->text();
        ASSERT_TRUE(before.contains("照合した抽選 2 回")) << before.toStdString();
        const auto* table = dialog.findChild<QTableView*>("TABLE");
        const int widthBefore = table->horizontalHeader()->length();

        chooseInNextFileDialog(bad, filters);
        closeNextMessageBox(caption, reason);
        dialog.findChild<QPushButton*>("RESULTS")->click();
        EXPECT_EQ(dialog.findChild<QLabel*>("SUMMARY")->text(), before);
        EXPECT_EQ(table->model()->rowCount(), 2);
        EXPECT_EQ(table->horizontalHeader()->length(), widthBefore);
    });
    window->surfaceMenu().showBacktest();
    EXPECT_EQ(caption, "照合");
    EXPECT_TRUE(reason.contains(QString::fromUtf8(GetParam().reason))) << reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    ResultsFiles, BacktestRefusal,
    testing::Values(
        Refusal{"Empty", "", "ファイルが空です"},
        Refusal{"NoValidLine", "回,日付,数字\r\n1236,2026/12/10,6,6,15,21,30\r\n",
                "読める行が 1 行もありません"},
        // The 7-number game's results: seven main numbers ascending, then two bonus numbers.
        Refusal{"MoreMainNumbersThanTheGameDraws",
                "1236,2026/12/10,3,8,13,18,23,28,33,5,9\r\n1237,2026/12/17,1,2,3,4,5,6,7,8,9\r\n",
                "ほかのゲームの結果ファイル"},
        Refusal{"NumbersBeyondThePool", "1236,2026/12/10,3,8,13,18,35\r\n",
                "ほかのゲームの結果ファイル"},
        // Draws 1233 to 1235 as the data files tell them, but only 1233 agrees.
        Refusal{"DisagreesOnMostSharedDraws",
                "1233,2026/11/26,1,5,9,14,20\r\n1234,2026/12/03,1,2,3,4,5\r\n"
                "1235,2026/12/10,6,7,8,9,10\r\n",
                "3 回のうち 2 回で数字が違います"}),
    [](const testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(BacktestDialog, ProposesASavedTableNamedAfterTheGame) {
    QTemporaryDir installed;
    ASSERT_TRUE(QDir(installed.path()).mkdir("rkk7data"));
    auto window = startedWindow(kMiniklvn, installed.path());

    QString proposed;
    inNextBacktestDialog([&](BacktestDialog& dialog) {
        QTimer::singleShot(0, [&proposed] {
            auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(files, nullptr);
            proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
            files->reject();
        });
        dialog.findChild<QPushButton*>("SAVE")->click();
    });
    window->surfaceMenu().showBacktest();
    EXPECT_EQ(proposed, "MR照合.csv");
}

} // namespace
