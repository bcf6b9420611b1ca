#include "shift_jis.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* kCodePageName = "Shift_JIS";

// Every conversion stands alone: a character cut off at the end of the input is an error, not
// something to be completed by a later call.
constexpr QStringConverter::Flags kStateless = QStringConverter::Flag::Stateless;

} // namespace

std::optional<QByteArray> toShiftJis(QStringView text) {
    QStringEncoder encoder(kCodePageName, kStateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> fromShiftJis(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePageName, kStateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}
