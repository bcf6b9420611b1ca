#include "shift_jis.h"

#include <algorithm>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// Qt on Windows is built without ICU, so its string converters know no Shift-JIS there; Windows
// itself converts code page 932, which is the very code page of the data files. The flags make it
// refuse, as ICU does on Linux, what it would otherwise let through: bytes that are not Shift-JIS
// (instead of a replacement character) and characters outside the code page (instead of a
// look-alike, such as A for À, or the default character '?').

namespace {

constexpr UINT kCodePage = 932;

// Windows' table of the code page also maps the single bytes 0x80, 0xA0 and 0xFD to 0xFF, which
// Shift-JIS leaves unassigned and ICU refuses, to U+0080 and to private-use characters. Those
// characters are refused both ways, so that a file reads and writes the same on both systems.
bool outsideShiftJis(QChar c) {
    const char16_t u = c.unicode();
    return u == 0x0080 || (u >= 0xF8F0 && u <= 0xF8F3);
}

bool hasWindowsOnlyCharacter(QStringView text) {
    return std::any_of(text.begin(), text.end(), outsideShiftJis);
}

const wchar_t* wideChars(QStringView text) {
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

} // namespace

std::optional<QByteArray> toShiftJis(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    if (hasWindowsOnlyCharacter(text))
        return std::nullopt;
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int size = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wideChars(text), length,
                                         nullptr, 0, nullptr, &usedDefault);
    if (size <= 0 || usedDefault)
        return std::nullopt;
    QByteArray bytes(size, Qt::Uninitialized);
    const int written = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, wideChars(text),
                                            length, bytes.data(), size, nullptr, &usedDefault);
    if (written != size || usedDefault)
        return std::nullopt;
    return bytes;
}

std::optional<QString> fromShiftJis(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    const int length = static_cast<int>(bytes.size());
    const int size =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    QString text(size, Qt::Uninitialized);
    const int written = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), length,
                                            reinterpret_cast<wchar_t*>(text.data()), size);
    if (written != size || hasWindowsOnlyCharacter(text))
        return std::nullopt;
    return text;
}
