#include "number_text.h"

#include "game_profile.h"
#include "program_state.h"

#include <QChar>

namespace {

constexpr char16_t kFullWidthBlank = u'\u3000';
// Far above any draw number the window can hold; keeps the arithmetic exact and bounded.
constexpr double kValueCeiling = 1.0e15;

bool isLeadingBlank(QChar c) {
    return c == u' ' || c == kFullWidthBlank;
}

qsizetype skipLeadingBlanks(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && isLeadingBlank(text[i]))
        ++i;
    return i;
}

double decimalDigitsFrom(QStringView text, qsizetype i) {
    double value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (value < kValueCeiling)
            value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

} // namespace

QString numberText(long long value) {
    if (value < 0)
        return QString::number(value);
    return u' ' + QString::number(value);
}

double numericValue(QStringView text) {
    qsizetype i = skipLeadingBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    const double value = decimalDigitsFrom(text, i);
    return negative ? -value : value;
}

double enteredValue(QStringView text) {
    return decimalDigitsFrom(text, skipLeadingBlanks(text));
}

QString withoutLeadingBlanks(const QString& text) {
    return text.mid(skipLeadingBlanks(text));
}

QString lastChars(const QString& text, qsizetype count) {
    return text.size() <= count ? text : text.right(count);
}

QString drawNumberText(const GameProfile& profile, long long value) {
    const QString text = numberText(value);
    return profile.drawNumberTextLimit > 0 ? lastChars(text, profile.drawNumberTextLimit) : text;
}

void MOJIZPLS(ProgramState& state) {
    if (state.NumText.startsWith(u' '))
        state.NumText.remove(0, 1);
    if (state.NumText.size() == 1)
        state.TwoDigitText = u'0' + state.NumText;
    else if (state.NumText.size() == 2)
        state.TwoDigitText = state.NumText;
}

QString MOJIZCUT(const QString& text) {
    return text.startsWith(u' ') ? text.mid(1) : text;
}

void wrapIntoPool(ProgramState& state, int poolSize) {
    while (state.WrapIn >= poolSize + 1)
        state.WrapIn -= poolSize;
    state.WrapOut = state.WrapIn;
}

QString twoDigitText(ProgramState& state, const QString& numText) {
    state.NumText = numText;
    MOJIZPLS(state);
    return state.TwoDigitText;
}
