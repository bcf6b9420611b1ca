#include "entry_rule.h"

namespace {

constexpr char16_t kFullWidthZero = u'０';
constexpr char16_t kFullWidthNine = u'９';

std::optional<QChar> asciiDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c;
    if (c.unicode() >= kFullWidthZero && c.unicode() <= kFullWidthNine)
        return QChar(u'0' + (c.unicode() - kFullWidthZero));
    return std::nullopt;
}

} // namespace

std::optional<QString> acceptedInsertion(const QString& current, qsizetype selectedLength,
                                         const QString& inserted, int limit) {
    QString digits;
    digits.reserve(inserted.size());
    for (QChar c : inserted) {
        const std::optional<QChar> digit = asciiDigit(c);
        if (!digit)
            return std::nullopt;
        digits.append(*digit);
    }
    const qsizetype room = limit - (current.size() - selectedLength);
    if (digits.isEmpty() || room <= 0)
        return std::nullopt;
    return digits.left(room);
}
