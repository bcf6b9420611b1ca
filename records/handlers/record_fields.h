#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// How a scan of a record's fields ended.
enum class FieldScanEnd {
    Complete,     // all the fields asked for were found
    FileEnded,    // the file ended first
    LimitReached, // the bytes given ran out first, but they were only the start of the file
};

struct FieldScan {
    QList<QByteArray> fields; // the raw bytes of each field found, in order
    FieldScanEnd end = FieldScanEnd::Complete;
    // When complete: the fields found, and those that follow the last of them on its line.
    // A record of one line written by a game with longer records shows here as that longer count.
    int lineFields = 0;
};

// Takes `count` fields from the start of a data file's bytes by the tolerant reading rules:
// - a line ends at CR, at LF, or at CR LF; a line end also separates fields, so a record may
//   run over several lines, and lines left empty between fields are passed over;
// - blanks before a field are skipped;
// - a field that opens with a double quote runs to the next quote on its line (commas, colons
//   and blanks between are content); anything between the closing quote and the next separator
//   is dropped; a quote left open runs to the end of its line;
// - any other field runs to the next comma, colon or line end, without its trailing blanks;
// - whatever follows the last field asked for is not taken; the fields after it on its line are
//   only counted (separators and blanks alone make no field), later lines are not looked at.
// The bytes are scanned as they are: the separators are ASCII bytes that never occur inside a
// Shift-JIS double-byte character. `wholeFile` tells whether the bytes hold the whole file (so
// their end also ends the last field) or only its start (so a field cut by their end is not
// complete).
FieldScan scanRecordFields(QByteArrayView bytes, int count, bool wholeFile);
