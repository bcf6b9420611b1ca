#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// How a scan of a record's fields ended.
enum class FieldScanEnd {
    Complete,     // all the fields asked for were found
    FileEnded,    // the file ended first
    LimitReached, // the bytes given ran out first, but they were only the start of the file
    MoreFields,   // the line of the last field goes on with more: a longer record, another game's
};

struct FieldScan {
    QList<QByteArray> fields; // the raw bytes of each field found, in order
    FieldScanEnd end = FieldScanEnd::Complete;
};

// Takes `count` fields from the start of a data file's bytes by the tolerant reading rules:
// - a line ends at CR, at LF, or at CR LF; a line end also separates fields, so a record may
//   run over several lines, and lines left empty between fields are passed over;
// - blanks before a field are skipped;
// - a field that opens with a double quote runs to the next quote on its line (commas, colons
//   and blanks between are content); anything between the closing quote and the next separator
//   is dropped; a quote left open runs to the end of its line;
// - any other field runs to the next comma, colon or line end, without its trailing blanks;
// - the line of the last field asked for must end there: anything but blanks and separators after
//   it on that line is a further field, and the record is longer than asked for (another game's
//   file); later lines are not looked at.
// The bytes are scanned as they are: the separators are ASCII bytes that never occur inside a
// Shift-JIS double-byte character. `wholeFile` tells whether the bytes hold the whole file (so
// their end also ends the last field) or only its start (so a field cut by their end is not
// complete).
FieldScan scanRecordFields(QByteArrayView bytes, int count, bool wholeFile);
