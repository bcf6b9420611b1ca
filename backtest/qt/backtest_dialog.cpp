#include "backtest_dialog.h"

#include "backtest_check.h"
#include "backtest_report.h"
#include "backtest_table_model.h"
#include "game_profile.h"
#include "hit_chart.h"
#include "profile_text.h"
#include "qt_platform.h"
#include "results_files_choice.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <memory>
#include <utility>

namespace {

const QString kCaption = QStringLiteral("照合");
constexpr int kProgressAfterMilliseconds = 500;
constexpr int kProgressTickMilliseconds = 100;

// The size the dialog asks for, before the screen has its say; it widens to the table's columns.
constexpr int kPreferredWidth = 760;
constexpr int kPreferredHeight = 680;
// Room left around the dialog for the window manager's frame and title bar.
constexpr int kFrameAllowance = 48;
// Room above and below a table row's text.
constexpr int kRowPadding = 6;
// Disagreements beyond this many lines scroll.
constexpr int kDisagreementLines = 4;

QPushButton* addButton(QHBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

BacktestDialog::BacktestDialog(const GameProfile& profile, const QString& dataFolder,
                               RememberedResults& remembered, QWidget* parent)
    : QDialog(parent), profile(profile), dataFolder(dataFolder), remembered(remembered) {
    setWindowTitle(kCaption);
    setModal(true);
    setSizeGripEnabled(true);
    createControls();
    // The columns are sized to their texts in the fonts the style gives them, which take effect
    // only once the controls are polished.
    ensurePolished();
    useRememberedResultsFiles();
    fitToScreen();
}

void BacktestDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    summary = new QLabel;
    summary->setObjectName(QStringLiteral("SUMMARY"));
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary->setWordWrap(true);
    layout->addWidget(summary);

    disagreements = new QPlainTextEdit;
    disagreements->setObjectName(QStringLiteral("DISAGREEMENTS"));
    disagreements->setReadOnly(true);
    disagreements->setAccessibleName(QStringLiteral("食い違う回"));
    disagreements->setLineWrapMode(QPlainTextEdit::NoWrap);
    const int lineHeight = disagreements->fontMetrics().lineSpacing();
    disagreements->setFixedHeight(
        lineHeight * kDisagreementLines + 2 * disagreements->frameWidth() +
        static_cast<int>(2 * disagreements->document()->documentMargin()));
    layout->addWidget(disagreements);

    chart = new HitChart;
    chart->setObjectName(QStringLiteral("CHART"));
    layout->addWidget(chart);

    model = new BacktestTableModel(this);
    table = new QTableView;
    table->setObjectName(QStringLiteral("TABLE"));
    table->setModel(model);
    table->setAccessibleName(QStringLiteral("回ごとの照合"));
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() +
                                                   kRowPadding);
    // The long column names take two lines rather than an ellipsis.
    table->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(table, 1);

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, QStringLiteral("結果ファイル(&R)..."), QStringLiteral("RESULTS")),
            &QPushButton::clicked, this, &BacktestDialog::chooseResultsFiles);
    connect(addButton(buttons, QStringLiteral("コピー(&C)"), QStringLiteral("COPY")),
            &QPushButton::clicked, this, &BacktestDialog::copyTable);
    connect(addButton(buttons, QStringLiteral("CSV保存(&V)..."), QStringLiteral("SAVE")),
            &QPushButton::clicked, this, &BacktestDialog::saveTable);
    buttons->addStretch();
    connect(addButton(buttons, QStringLiteral("閉じる"), QStringLiteral("CLOSE")),
            &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
}

// Files chosen earlier are read afresh, as they may have changed since; files that can no longer
// be used are forgotten, and the summary says so.
void BacktestDialog::useRememberedResultsFiles() {
    const QStringList paths = remembered.files(dataFolder);
    QString refusal;
    if (!paths.isEmpty()) {
        const Outcome outcome = evaluate(paths, refusal);
        if (outcome != Outcome::Refused) {
            stoppedOpening = outcome == Outcome::Stopped;
            return;
        }
        remembered.forget(dataFolder);
        resultsNote = QStringLiteral("前に選んだ結果ファイル %1 は使いませんでした: %2")
                          .arg(resultsFilesName(paths), refusal);
    }
    stoppedOpening = evaluate(QStringList(), refusal) == Outcome::Stopped;
}

// The files are read and the draws evaluated on a thread of their own, as a folder of many years
// of weekly files or results of many draws take a while. For half a second the window's thread
// only waits, so that a quick check shows nothing and nothing else runs meanwhile; after that a
// progress dialog, modal to the main window (or to 照合 once it is up), shows how far the check
// has come and stops it at the player's word.
BacktestDialog::Outcome BacktestDialog::evaluate(const QStringList& candidatePaths,
                                                 QString& refusal) {
    std::atomic<int> done = 0;
    std::atomic<int> total = 0;
    std::atomic<bool> stop = false;
    BacktestCheck check;
    const StepProgress progress = [&](int doneSoFar, int all) {
        done = doneSoFar;
        total = all;
        return !stop;
    };
    std::unique_ptr<QThread> worker(QThread::create(
        [&] { check = checkBacktest(profile, dataFolder, candidatePaths, progress); }));
    QEventLoop waiting;
    connect(worker.get(), &QThread::finished, &waiting, &QEventLoop::quit);
    worker->start();
    worker->wait(QDeadlineTimer(kProgressAfterMilliseconds));
    if (!worker->isFinished()) {
        QWidget* held = isVisible() || !parentWidget() ? this : parentWidget();
        QProgressDialog shown(QStringLiteral("照合しています..."), QStringLiteral("中止"), 0, 0,
                              held);
        shown.setWindowTitle(kCaption);
        shown.setWindowModality(Qt::WindowModal);
        shown.setAutoReset(false);
        // Stopped, it stays until the thread has returned, holding the windows back meanwhile.
        shown.setAutoClose(false);
        shown.setMinimumDuration(0);
        connect(&shown, &QProgressDialog::canceled, [&] {
            stop = true;
            shown.setLabelText(QStringLiteral("中止しています..."));
        });
        QTimer ticks;
        connect(&ticks, &QTimer::timeout, [&] {
            if (total > 0 && done > 0) {
                shown.setMaximum(total);
                shown.setValue(done);
            }
        });
        ticks.start(kProgressTickMilliseconds);
        shown.show();
        if (!worker->isFinished())
            waiting.exec();
    }
    worker->wait();
    if (check.stopped)
        return Outcome::Stopped;
    if (check.refusal) {
        refusal = *check.refusal;
        return Outcome::Refused;
    }
    results = std::move(check.results);
    resultsPaths = candidatePaths;
    display(check.history, std::move(check.evaluation));
    return Outcome::Shown;
}

void BacktestDialog::display(const DrawHistory& read, Evaluation checked) {
    history = read;
    evaluation = std::move(checked);
    comparisons = compareWithChance(profile, evaluation);
    QString text = backtestSummary(history, evaluation, comparisons);
    if (results)
        text += QStringLiteral("\n結果ファイル: ") + resultsFilesName(resultsPaths);
    if (!resultsNote.isEmpty())
        text += u'\n' + resultsNote;
    summary->setText(text);
    const QString disagreementList = disagreementText(history);
    disagreements->setPlainText(disagreementList);
    disagreements->setVisible(!disagreementList.isEmpty());
    chart->setEvaluation(evaluation, comparisons);
    model->setEvaluation(evaluation);
    table->resizeColumnsToContents();
}

// As wide as the table's columns need, as tall as preferred, but never beyond the available area
// of the screen it opens on, and placed within it.
void BacktestDialog::fitToScreen() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const QRect available = screen->availableGeometry();
    const int tableWidth = table->horizontalHeader()->length() + 2 * table->frameWidth() +
                           table->verticalScrollBar()->sizeHint().width();
    const QMargins margins = layout()->contentsMargins();
    const int wanted = std::max(kPreferredWidth, tableWidth + margins.left() + margins.right());
    const int width = std::min(wanted, available.width() - kFrameAllowance);
    const int height = std::min(kPreferredHeight, available.height() - kFrameAllowance);
    resize(std::max(width, minimumSizeHint().width()),
           std::max(height, minimumSizeHint().height()));
    QRect placed(QPoint(), size());
    placed.moveCenter(available.center());
    move(placed.topLeft());
}

void BacktestDialog::chooseResultsFiles() {
    QtDialogs dialogs(this);
    const std::optional<QStringList> paths = dialogs.openFileNames(resultsFilesRequest(dataFolder));
    if (!paths)
        return;
    const QString note = std::exchange(resultsNote, QString());
    QString refusal;
    const Outcome outcome = evaluate(*paths, refusal);
    if (outcome == Outcome::Shown) {
        remembered.remember(dataFolder, *paths);
        return;
    }
    // The check stays as it was, on the files chosen before, if any.
    resultsNote = note;
    if (outcome == Outcome::Refused)
        showError(QStringLiteral("この結果ファイルは使えません。\n%1\n%2")
                      .arg(resultsFilesName(*paths), refusal));
}

void BacktestDialog::copyTable() {
    QGuiApplication::clipboard()->setText(backtestTable(evaluation, u'\t', QStringLiteral("\n")));
}

void BacktestDialog::saveTable() {
    QtDialogs dialogs(this);
    // The games share a data folder, so the proposed name tells whose check it is.
    const QString proposed = toQString(profile.FilePrefix) + QStringLiteral("照合.csv");
    const std::optional<QString> path = dialogs.saveFileName(
        {QStringLiteral("CSV保存"), dataFolder, proposed, QStringLiteral("CSV(*.csv)")});
    if (!path)
        return;
    // The byte-order mark lets spreadsheet programs read the Japanese headers as UTF-8.
    const QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF") +
                             backtestTable(evaluation, u',', QStringLiteral("\r\n")).toUtf8();
    QSaveFile file(*path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        showError(QStringLiteral("CSV ファイルを保存できませんでした。\n%1\n%2")
                      .arg(*path, file.errorString()));
}

void BacktestDialog::showError(const QString& text) {
    QtDialogs(this).message(kCaption, text, MessageIcon::Stop, MessageButtons::Ok);
}
