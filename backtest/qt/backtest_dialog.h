#pragma once

#include "chance_comparison.h"
#include "draw_history.h"
#include "evaluation.h"
#include "remembered_results.h"
#include "results_file.h"

#include <QDialog>
#include <optional>

struct GameProfile;
class BacktestTableModel;
class HitChart;
class QLabel;
class QPlainTextEdit;
class QTableView;

// 照合: the pyramids of every past draw of the player's data files (and the results files, when
// some are chosen) held against the draw that followed, and the verdict of each list and key
// against chance. It only reads: nothing of the main window or its files changes. The chosen
// results files are remembered for the data folder in the window's RememberedResults and used
// again whenever 照合 opens on it. Results that cannot be trusted are refused with the reason,
// and the check stays as it was.
//
// A long check shows its progress after half a second, with a button that stops it: stopped
// while the dialog opens, it does not open; stopped on newly chosen results files, the check
// stays as it was.
//
// The dialog opens within the screen's available area, whatever it holds: the disagreements
// scroll in a box of their own, the table takes the room that is left, and the buttons stay at
// the bottom.
class BacktestDialog : public QDialog {
    Q_OBJECT

public:
    BacktestDialog(const GameProfile& profile, const QString& dataFolder,
                   RememberedResults& remembered, QWidget* parent = nullptr);

    // The player stopped the check before the dialog could open.
    bool stopped() const { return stoppedOpening; }

private:
    // What laying candidate results over the data files gave.
    enum class Outcome { Shown, Refused, Stopped };

    void createControls();
    void useRememberedResultsFiles();
    // Reads the results files, lays them over the data files and shows the check; when the
    // results cannot be used, or the player stops, everything stays as it was (a refusal's
    // reason in `refusal`).
    Outcome evaluate(const QStringList& candidatePaths, QString& refusal);
    void display(const DrawHistory& history, Evaluation checked);
    void fitToScreen();
    void chooseResultsFiles();
    void copyTable();
    void saveTable();
    void showError(const QString& text);

    const GameProfile& profile;
    QString dataFolder;
    RememberedResults& remembered;
    std::optional<ResultsFile> results;
    QStringList resultsPaths;
    QString resultsNote; // why remembered results files are no longer used
    bool stoppedOpening = false;
    DrawHistory history;
    Evaluation evaluation;
    std::vector<ChanceComparison> comparisons;

    QLabel* summary = nullptr;
    QPlainTextEdit* disagreements = nullptr;
    HitChart* chart = nullptr;
    BacktestTableModel* model = nullptr;
    QTableView* table = nullptr;
};
