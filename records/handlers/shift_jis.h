#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The Japanese code page of the data files (Shift-JIS as code page 932 has it), the one place
// where the program converts between it and its own texts.
//
// On Linux Qt's string converters know the code page through ICU, with which Debian builds Qt;
// on Windows, whose Qt has no ICU, Windows' own code page 932 converts (shift_jis_windows.cpp),
// to the same bytes. Both refuse what cannot be converted instead of substituting a character: a
// text with a character outside the code page, or bytes that are not Shift-JIS, among them a
// double-byte character cut off after its first byte.
std::optional<QByteArray> toShiftJis(QStringView text);
std::optional<QString> fromShiftJis(QByteArrayView bytes);
