#pragma once

#include "draw_history.h"
#include "evaluation.h"
#include "results_file.h"

#include <QDialog>
#include <optional>

struct GameProfile;
class BacktestTableModel;
class HitChart;
class QLabel;
class QTableView;

// 照合: the pyramids of every past draw of the player's data files (and a results file, when one
// is chosen) held against the draw that followed. It only reads: nothing of the main window or
// its files changes.
class BacktestDialog : public QDialog {
    Q_OBJECT

public:
    BacktestDialog(const GameProfile& profile, const QString& dataFolder,
                   QWidget* parent = nullptr);

private:
    void createControls();
    void evaluate();
    void chooseResultsFile();
    void copyTable();
    void saveTable();
    void showError(const QString& text);

    const GameProfile& profile;
    QString dataFolder;
    std::optional<ResultsFile> results;
    DrawHistory history;
    Evaluation evaluation;

    QLabel* summary = nullptr;
    QLabel* disagreements = nullptr;
    HitChart* chart = nullptr;
    BacktestTableModel* model = nullptr;
    QTableView* table = nullptr;
};
