#pragma once

#include "chance_comparison.h"
#include "draw_history.h"
#include "evaluation.h"

#include <QString>
#include <QStringList>
#include <vector>

// The check of the pyramids as text: the summary above its table, and the table itself, which
// the dialog shows, copies and saves alike.

// How many draws were evaluated and over which range, the mean hits and key hit rates beside
// chance, the verdict of each comparison with chance, and what of the player's files could not
// be used. With nothing to evaluate it says what is needed instead.
QString backtestSummary(const DrawHistory& history, const Evaluation& evaluation,
                        const std::vector<ChanceComparison>& comparisons);

// One comparison with chance as a line: the hits, what chance gives, the p-value and the verdict.
QString comparisonLine(const ChanceComparison& comparison);

// The probability as a player reads it: a percentage, and below a thousandth only that.
QString probabilityText(double p);

// One line per disagreement between two sources, the kept numbers first; empty when none.
QString disagreementText(const DrawHistory& history);

// The columns: 回, 当選数字, the hits of 高気圧型, 低気圧型 and both, 表 and 裏 (1 or 0), then
// which numbers each list hit and the two key numbers.
QStringList backtestHeader();
// One row per evaluated draw, newest first, under the header's columns.
std::vector<QStringList> backtestRows(const Evaluation& evaluation);

// The header and the rows, their fields joined by the separator, each line ended by lineEnd.
// No field holds a comma or tab, so none needs quoting.
QString backtestTable(const Evaluation& evaluation, QChar separator, const QString& lineEnd);
