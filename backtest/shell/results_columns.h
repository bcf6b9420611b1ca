#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// What a column of a results table holds, told by its heading.
enum class ResultsColumn { DrawNumber, Date, Main, Bonus, Other };

// The heading's meaning: the draw number (回, 回号, 回別, 開催回, 抽せん回), the date (抽せん日,
// 日付), a main number (本数字, 第N数字, 抽せん数字N, 数字N) or a bonus (ボーナス…, BONUS…, B数字).
ResultsColumn resultsColumnOf(const QString& heading);

// Where a table's columns stand, found by its header line, in whatever order they come.
struct ResultsColumns {
    qsizetype drawNumber = 0;
    std::vector<qsizetype> main;
    std::vector<qsizetype> bonus;
    // One heading over all the numbers ("本数字" alone, the bonus under it too): the numbers run
    // on from its column and are told apart by their shape, as in a table without headings.
    bool numbersRunOn() const { return main.size() == 1 && bonus.empty(); }
};

// The columns a header line names, when it names the draw number and at least one main number.
// An empty heading right after a number's heading is one more of those numbers: a spreadsheet
// heading "本数字" over seven merged cells leaves six empty cells after it.
std::optional<ResultsColumns> resultsColumns(const QStringList& headings);
