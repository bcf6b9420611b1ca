#include "backtest_dialog.h"

#include "backtest_report.h"
#include "backtest_table_model.h"
#include "hit_chart.h"
#include "qt_platform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("照合");
constexpr int kProgressAfterMilliseconds = 500;

QPushButton* addButton(QHBoxLayout* row, const QString& text, const QString& name) {
    auto* button = new QPushButton(text);
    button->setObjectName(name);
    button->setAutoDefault(false);
    row->addWidget(button);
    return button;
}

} // namespace

BacktestDialog::BacktestDialog(const GameProfile& profile, const QString& dataFolder,
                               QWidget* parent)
    : QDialog(parent), profile(profile), dataFolder(dataFolder) {
    setWindowTitle(kCaption);
    setModal(true);
    createControls();
    evaluate();
}

void BacktestDialog::createControls() {
    auto* layout = new QVBoxLayout(this);
    summary = new QLabel;
    summary->setObjectName(QStringLiteral("SUMMARY"));
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary->setWordWrap(true);
    layout->addWidget(summary);
    disagreements = new QLabel;
    disagreements->setObjectName(QStringLiteral("DISAGREEMENTS"));
    disagreements->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(disagreements);

    chart = new HitChart;
    chart->setObjectName(QStringLiteral("CHART"));
    layout->addWidget(chart);

    model = new BacktestTableModel(this);
    table = new QTableView;
    table->setObjectName(QStringLiteral("TABLE"));
    table->setModel(model);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(table, 1);

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, QStringLiteral("結果ファイル(&R)..."), QStringLiteral("RESULTS")),
            &QPushButton::clicked, this, &BacktestDialog::chooseResultsFile);
    connect(addButton(buttons, QStringLiteral("コピー(&C)"), QStringLiteral("COPY")),
            &QPushButton::clicked, this, &BacktestDialog::copyTable);
    connect(addButton(buttons, QStringLiteral("CSV保存(&V)..."), QStringLiteral("SAVE")),
            &QPushButton::clicked, this, &BacktestDialog::saveTable);
    buttons->addStretch();
    connect(addButton(buttons, QStringLiteral("閉じる"), QStringLiteral("CLOSE")),
            &QPushButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    resize(760, 560);
}

void BacktestDialog::evaluate() {
    // A folder of many years of weekly files may take a while; the bar shows only then.
    QProgressDialog progress(QStringLiteral("データファイルを読んでいます..."), QString(), 0, 1,
                             parentWidget() ? parentWidget() : this);
    progress.setWindowTitle(kCaption);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressAfterMilliseconds);
    history = assembleHistory(profile, dataFolder, results ? &*results : nullptr,
                              [&progress](int read, int files) {
                                  progress.setMaximum(files);
                                  progress.setValue(read);
                              });
    evaluation = evaluateHistory(profile, history.draws);
    summary->setText(backtestSummary(history, evaluation));
    const QString disagreementList = disagreementText(history);
    disagreements->setText(disagreementList);
    disagreements->setVisible(!disagreementList.isEmpty());
    summary->setToolTip(disagreementList);
    chart->setEvaluation(evaluation);
    model->setEvaluation(evaluation);
    table->resizeColumnsToContents();
}

void BacktestDialog::chooseResultsFile() {
    QtDialogs dialogs(this);
    const std::optional<QString> path =
        dialogs.openFileName({QStringLiteral("結果ファイル"), dataFolder, QString(),
                              QStringLiteral("CSV(*.csv *.txt)")});
    if (!path)
        return;
    ResultsFile read = readResultsFile(profile, *path);
    if (read.error) {
        // The previous history stays as it was.
        showError(*read.error);
        return;
    }
    results = std::move(read);
    evaluate();
}

void BacktestDialog::copyTable() {
    QGuiApplication::clipboard()->setText(backtestTable(evaluation, u'\t', QStringLiteral("\n")));
}

void BacktestDialog::saveTable() {
    QtDialogs dialogs(this);
    const std::optional<QString> path =
        dialogs.saveFileName({QStringLiteral("CSV保存"), dataFolder, QStringLiteral("照合.csv"),
                              QStringLiteral("CSV(*.csv)")});
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
