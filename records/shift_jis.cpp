#include "shift_jis.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextCodec>

namespace {

constexpr const char* kCodePageName = "Shift_JIS";

// Every conversion stands alone: a character cut off at the end of the input is an error, not
// something to be completed by a later call.
constexpr QStringConverter::Flags kStateless = QStringConverter::Flag::Stateless;

QTextCodec& compatCodec() {
    // Only asked for where the string converters lack the code page; the codec's own tables
    // are then built in, so it is always there.
    QTextCodec* codec = QTextCodec::codecForName(kCodePageName);
    Q_ASSERT(codec);
    return *codec;
}

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Whether the last character of the bytes is a double-byte one that lacks its second byte.
// The codec counts such a byte itself only where it uses its own tables; through ICU it keeps
// the byte back for a next call that never comes.
bool endsInCutCharacter(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size())
        i += isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    return i > bytes.size();
}

std::optional<QByteArray> encodeWithStringConverter(QStringView text) {
    QStringEncoder encoder(kCodePageName, kStateless);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> decodeWithStringConverter(QByteArrayView bytes) {
    QStringDecoder decoder(kCodePageName, kStateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QByteArray> encodeWithTextCodec(QStringView text) {
    QTextCodec::ConverterState state;
    QByteArray bytes =
        compatCodec().fromUnicode(text.data(), static_cast<int>(text.size()), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0)
        return std::nullopt;
    return bytes;
}

std::optional<QString> decodeWithTextCodec(QByteArrayView bytes) {
    QTextCodec::ConverterState state;
    QString text = compatCodec().toUnicode(bytes.data(), static_cast<int>(bytes.size()), &state);
    if (state.invalidChars > 0 || state.remainingChars > 0 || endsInCutCharacter(bytes) ||
        text.contains(QChar::ReplacementCharacter))
        return std::nullopt;
    return text;
}

} // namespace

ShiftJisConverter availableShiftJisConverter() {
    static const ShiftJisConverter converter = QStringEncoder(kCodePageName).isValid()
                                                   ? ShiftJisConverter::StringConverter
                                                   : ShiftJisConverter::TextCodec;
    return converter;
}

std::optional<QByteArray> toShiftJis(QStringView text, ShiftJisConverter via) {
    return via == ShiftJisConverter::StringConverter ? encodeWithStringConverter(text)
                                                     : encodeWithTextCodec(text);
}

std::optional<QString> fromShiftJis(QByteArrayView bytes, ShiftJisConverter via) {
    return via == ShiftJisConverter::StringConverter ? decodeWithStringConverter(bytes)
                                                     : decodeWithTextCodec(bytes);
}
