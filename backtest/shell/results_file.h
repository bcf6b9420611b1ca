#pragma once

#include "known_draw.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

struct GameProfile;

// The official results of past draws as a text file, one draw a line: the draw number (it may
// be written "第1234回"), optionally the date (yyyy/mm/dd, yyyy-mm-dd or yyyy年m月d日), then the
// main numbers and, in the 6-number game, the bonus; fields further on are ignored. Fields are
// separated by commas or tabs and may be quoted; digits and separators may be full-width, as
// Japanese sites publish them. The text is UTF-8 (with or without its byte-order mark) or
// Shift-JIS, whichever it reads as.
//
// A file is refused as a whole when it holds no draw of the game, or when most of its draw lines
// do not fit the game and so are another game's results: a line whose ascending run of numbers
// is longer than the game's main numbers (results list the main numbers ascending, the bonus
// numbers after them), or whose numbers read go beyond the pool.
struct ResultsFile {
    std::map<int, KnownDraw> draws; // by draw number; a draw listed twice keeps its last line
    int skippedLines = 0;           // headers, blank lines, lines that are no valid draw
    std::optional<QString> error;   // why the file as a whole was refused
};

// Larger results files are refused unread: a draw a line takes some 40 bytes, so this holds
// hundreds of thousands of draws.
inline constexpr qsizetype ResultsFileLimit = 8 * 1024 * 1024;

ResultsFile parseResultsFile(const GameProfile& profile, QByteArrayView bytes);
// Reads the file at the path, refusing what is not a plain file or is larger than the limit.
ResultsFile readResultsFile(const GameProfile& profile, const QString& path);
// Gathers the draws of several files, each read as above, as one results table: the one-file-
// per-draw results a lottery publishes become one set. A file that is refused refuses the set,
// and a draw that two files give with different numbers too; the message names the files.
ResultsFile readResultsFiles(const GameProfile& profile, const QStringList& paths);
