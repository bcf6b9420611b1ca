#pragma once

#include "known_draw.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

struct GameProfile;

// The official results of past draws, as a person reads them from a table or a page:
// - a table with a header line: its columns are found by their headings (results_columns.h), in
//   whatever order they stand; columns of anything else (prizes, carry-over, sales) are ignored;
// - a table without one: a line is the draw number (1234 or 第1234回), the date before or after
//   it or none (draw_date.h), then the main numbers and, in the 6-number game, the bonus;
// - a page of one draw: a title line naming the draw number (第1234回), and the labelled lines
//   「本数字,n1,…」 and 「ボーナス数字,b1,…」 (on one line or two); other lines are passed over.
// Fields are separated by commas or tabs, or by blanks where a line has neither (results_line.h);
// digits and separators may be full-width, as Japanese sites publish them. The text is UTF-8
// (with or without its byte-order mark) or Shift-JIS, whichever it reads as.
//
// A file is refused as a whole when it holds no draw of the game; when most of its draw lines do
// not fit the game and so are another game's results: with headings or labels, other than the
// game's count of main numbers; without, a line whose ascending run of numbers is longer than the
// game's main numbers (results list the main numbers ascending, the bonus numbers after them);
// either way, numbers read beyond the pool; when it gives one draw twice with different numbers;
// and when it has more lines or a line more fields than any real table (the limits below), which
// are refused before they are read further.
struct ResultsFile {
    std::map<int, KnownDraw> draws; // by draw number
    int skippedLines = 0;           // headers, blank lines, lines that are no valid draw
    std::optional<QString> error;   // why the file as a whole was refused
};

// The most non-blank lines and the most fields a line that a results text may have: decades of
// weekly draws are a few thousand lines, and a row with every prize's count and amount some fifty
// fields.
inline constexpr qsizetype ResultsLineLimit = 100000;
inline constexpr qsizetype ResultsFieldLimit = 200;

// Larger results files are refused unread: a draw a line takes some 40 bytes, so this holds
// hundreds of thousands of lines.
inline constexpr qsizetype ResultsFileLimit = 8 * 1024 * 1024;

ResultsFile parseResultsFile(const GameProfile& profile, QByteArrayView bytes);
// Reads the file at the path, refusing what is not a plain file or is larger than the limit.
ResultsFile readResultsFile(const GameProfile& profile, const QString& path);
// Gathers the draws of several files, each read as above, as one results table: the one-file-
// per-draw results a lottery publishes become one set. A file that is refused refuses the set,
// and a draw that two files give with different numbers too; the message names the files.
ResultsFile readResultsFiles(const GameProfile& profile, const QStringList& paths);
