#include "draw_date.h"

#include <QString>
#include <array>

namespace {

// An era's year 1 is this year + 1.
struct Era {
    QStringView name;
    QStringView letter;
    int yearBefore;
};
constexpr std::array kEras = {Era{u"令和", u"R", 2018}, Era{u"平成", u"H", 1988},
                              Era{u"昭和", u"S", 1925}};

constexpr QStringView kFirstYear = u"元";
constexpr QStringView kWeekdays = u"日月火水木金土";

// Reads the text from the front, each step taking what it recognises.
class DateText {
public:
    explicit DateText(QStringView text) : rest_(text.trimmed()) {}

    bool take(QStringView part) {
        skipBlanks();
        if (!rest_.startsWith(part))
            return false;
        rest_ = rest_.sliced(part.size());
        return true;
    }

    std::optional<int> number(qsizetype maxDigits) {
        skipBlanks();
        qsizetype digits = 0;
        while (digits < rest_.size() && digits < maxDigits && rest_[digits].isDigit() &&
               rest_[digits].unicode() < 0x80)
            ++digits;
        if (digits == 0)
            return std::nullopt;
        const int value = rest_.first(digits).toInt();
        rest_ = rest_.sliced(digits);
        return value;
    }

    // The separator between year, month and day: the same one each time, or 年, 月 and 日.
    std::optional<QChar> separator() {
        skipBlanks();
        if (rest_.isEmpty())
            return std::nullopt;
        const QChar c = rest_.front();
        if (c != u'/' && c != u'-' && c != u'.')
            return std::nullopt;
        rest_ = rest_.sliced(1);
        return c;
    }

    // "(金)", "(金曜日)" or nothing, and then the end.
    bool endsWithOptionalWeekday() {
        skipBlanks();
        if (rest_.startsWith(u'(') && rest_.size() >= 3 && kWeekdays.contains(rest_[1])) {
            rest_ = rest_.sliced(2);
            if (!take(u"曜日"))
                take(u"曜");
            if (!take(u")"))
                return false;
        }
        skipBlanks();
        return rest_.isEmpty();
    }

private:
    void skipBlanks() {
        while (!rest_.isEmpty() && rest_.front().isSpace())
            rest_ = rest_.sliced(1);
    }

    QStringView rest_;
};

std::optional<int> eraYear(DateText& text, const Era& era) {
    if (text.take(kFirstYear))
        return era.yearBefore + 1;
    const std::optional<int> year = text.number(2);
    return year ? std::optional<int>(era.yearBefore + *year) : std::nullopt;
}

std::optional<int> year(DateText& text) {
    for (const Era& era : kEras) {
        if (text.take(era.name) || text.take(era.letter))
            return eraYear(text, era);
    }
    const std::optional<int> year = text.number(4);
    return year && *year >= 1000 ? year : std::nullopt;
}

} // namespace

std::optional<QDate> drawDate(QStringView field) {
    DateText text(field);
    const std::optional<int> y = year(text);
    if (!y)
        return std::nullopt;
    std::optional<int> m, d;
    if (text.take(u"年")) {
        m = text.number(2);
        if (!m || !text.take(u"月"))
            return std::nullopt;
        d = text.number(2);
        if (!d || !text.take(u"日"))
            return std::nullopt;
    } else {
        const std::optional<QChar> between = text.separator();
        m = text.number(2);
        if (!between || !m || text.separator() != between)
            return std::nullopt;
        d = text.number(2);
    }
    if (!d || !text.endsWithOptionalWeekday())
        return std::nullopt;
    const QDate date(*y, *m, *d);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}
