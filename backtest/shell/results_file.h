#pragma once

#include "known_draw.h"

#include <QByteArrayView>
#include <QString>
#include <map>
#include <optional>

struct GameProfile;

// The official results of past draws as a text file, one draw a line: the draw number (it may
// be written "第1234回"), optionally the date (yyyy/mm/dd or yyyy-mm-dd), then the main numbers
// and, in the 6-number game, the bonus; fields further on are ignored. Fields are separated by
// commas or tabs and may be quoted. The text is UTF-8 (with or without its byte-order mark) or
// Shift-JIS, whichever it reads as.
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
