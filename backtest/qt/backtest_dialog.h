#pragma once

#include "chance_comparison.h"
#include "draw_history.h"
#include "evaluation.h"
#include "results_file.h"

#include <QDialog>
#include <optional>

struct GameProfile;
class BacktestTableModel;
class HitChart;
class QLabel;
class QPlainTextEdit;
class QTableView;

// 照合: the pyramids of every past draw of the player's data files (and a results file, when one
// is chosen) held against the draw that followed, and the verdict of each list and key against
// chance. It only reads: nothing of the main window or its files changes. A chosen results file
// is used again whenever 照合 opens on the same data folder while the program runs; it is kept
// nowhere else. A results file that cannot be trusted is refused with the reason, and the check
// stays as it was.
//
// The dialog opens within the screen's available area, whatever it holds: the disagreements
// scroll in a box of their own, the table takes the room that is left, and the buttons stay at
// the bottom.
class BacktestDialog : public QDialog {
    Q_OBJECT

public:
    BacktestDialog(const GameProfile& profile, const QString& dataFolder,
                   QWidget* parent = nullptr);

private:
    void createControls();
    void useRememberedResultsFile();
    // Lays the results file over the data files and shows the check, or, when the file cannot
    // be trusted, gives the reason and leaves everything as it was.
    std::optional<QString> evaluate(std::optional<ResultsFile> candidate,
                                    const QString& candidatePath);
    void display(const DrawHistory& history);
    void fitToScreen();
    void chooseResultsFile();
    void copyTable();
    void saveTable();
    void showError(const QString& text);

    const GameProfile& profile;
    QString dataFolder;
    std::optional<ResultsFile> results;
    QString resultsPath;
    QString resultsNote; // why a remembered results file is no longer used
    DrawHistory history;
    Evaluation evaluation;
    std::vector<ChanceComparison> comparisons;

    QLabel* summary = nullptr;
    QPlainTextEdit* disagreements = nullptr;
    HitChart* chart = nullptr;
    BacktestTableModel* model = nullptr;
    QTableView* table = nullptr;
};
