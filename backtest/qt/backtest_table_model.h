#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

struct Evaluation;

// The evaluated draws as the table of the check, newest first, in the columns that the copy and
// the saved file share.
class BacktestTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit BacktestTableModel(QObject* parent = nullptr);

    void setEvaluation(const Evaluation& evaluation);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QStringList header;
    std::vector<QStringList> rows;
};
