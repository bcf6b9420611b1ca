#include "shift_jis.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

namespace {

constexpr const char* kCodePageName = "Shift_JIS";

// Every conversion stands alone: a character cut off at the end of the input is an error, not
// something to be completed by a later call.
constexpr QStringConverter::Flags kStateless = QStringConverter::Flag::Stateless;

// Opening the code page by name costs far more than converting a field, and a folder of weekly
// files converts tens of thousands of fields; so each thread keeps one converter of each
// direction. A converter's error stays with it (Qt 6.4's ICU converters do not survive
// resetState()), so one that has met an error is replaced by a fresh one before the next use.
template <typename Converter> Converter& convertOnce() {
    thread_local std::optional<Converter> converter;
    if (!converter || converter->hasError())
        converter.emplace(kCodePageName, kStateless);
    return *converter;
}

} // namespace

std::optional<QByteArray> toShiftJis(QStringView text) {
    auto& encoder = convertOnce<QStringEncoder>();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> fromShiftJis(QByteArrayView bytes) {
    auto& decoder = convertOnce<QStringDecoder>();
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
