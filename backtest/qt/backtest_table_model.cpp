#include "backtest_table_model.h"

#include "backtest_report.h"

BacktestTableModel::BacktestTableModel(QObject* parent)
    : QAbstractTableModel(parent), header(backtestHeader()) {}

void BacktestTableModel::setEvaluation(const Evaluation& evaluation) {
    beginResetModel();
    rows = backtestRows(evaluation);
    endResetModel();
}

int BacktestTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
}

int BacktestTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(header.size());
}

QVariant BacktestTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return rows[index.row()][index.column()];
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Qt::AlignCenter);
    return {};
}

QVariant BacktestTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section >= header.size())
        return {};
    // Screen readers name the columns on one line.
    if (role == Qt::AccessibleTextRole)
        return header[section];
    if (role != Qt::DisplayRole)
        return {};
    // The long names take two lines on screen ("高気圧型" over "の当たり"), so that the columns
    // fit the dialog; the copied and saved header keeps them on one.
    QString shown = header[section];
    return shown.replace(QStringLiteral("の"), QStringLiteral("\nの"));
}
