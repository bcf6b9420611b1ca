#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The Japanese code page of the data files (Shift-JIS as code page 932 has it), the one place
// where the program converts between it and its own texts.
//
// Qt's string converters know the code page only when Qt was built with ICU; elsewhere the
// Core5Compat codec, which carries its own Shift-JIS tables, does the work. Both ways refuse what
// cannot be converted instead of substituting a character: a text with a character outside the
// code page, or bytes that are not Shift-JIS, among them a double-byte character cut off after
// its first byte.
enum class ShiftJisConverter { StringConverter, TextCodec };

// The converter this Qt offers, the string converters preferred.
ShiftJisConverter availableShiftJisConverter();

std::optional<QByteArray> toShiftJis(QStringView text,
                                     ShiftJisConverter via = availableShiftJisConverter());
std::optional<QString> fromShiftJis(QByteArrayView bytes,
                                    ShiftJisConverter via = availableShiftJisConverter());
