#include "results_line.h"

#include <algorithm>

namespace {

constexpr char16_t kQuote = u'"';
constexpr char16_t kFullWidthComma = u'\uFF0C';
constexpr char16_t kIdeographicSpace = u'\u3000';
constexpr qsizetype kMostDrawNumberDigits = 6;

bool isTableSeparator(QChar c) {
    return c == u',' || c == u'\t' || c == kFullWidthComma;
}
bool isBlank(QChar c) {
    return c == u' ' || c == kIdeographicSpace;
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Whether the line is a table's (commas or tabs) rather than a page's (blanks).
bool hasTableSeparator(QStringView line) {
    return std::any_of(line.begin(), line.end(), isTableSeparator);
}

// A line of ASCII alone has nothing to fold and skips the cost.
QString folded(QStringView line) {
    const bool ascii =
        std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? line.toString() : line.toString().normalized(QString::NormalizationForm_KC);
}

// Walks a folded line field by field; every step moves forward.
class FieldSplitter {
public:
    explicit FieldSplitter(QStringView line) : line_(line), byBlanks_(!hasTableSeparator(line)) {}

    // A table's separator always opens one more field, even at the line's end (a header's last
    // cells may be empty); blanks at a page line's end open none.
    QStringList fields() {
        QStringList fields;
        skipBlanks();
        if (pos_ >= line_.size())
            return fields;
        while (true) {
            const bool quoted = pos_ < line_.size() && line_[pos_] == kQuote;
            fields << (quoted ? quotedField() : bareField());
            if (pos_ >= line_.size())
                break;
            ++pos_;
            skipBlanks();
            if (byBlanks_ && pos_ >= line_.size())
                break;
        }
        return fields;
    }

private:
    bool isSeparator(QChar c) const { return byBlanks_ ? isBlank(c) : isTableSeparator(c); }

    void skipBlanks() {
        while (pos_ < line_.size() && isBlank(line_[pos_]))
            ++pos_;
    }

    QString quotedField() {
        QString field;
        ++pos_;
        while (pos_ < line_.size()) {
            const QChar c = line_[pos_++];
            if (c != kQuote) {
                field += c;
                continue;
            }
            if (pos_ < line_.size() && line_[pos_] == kQuote) {
                field += c;
                ++pos_;
                continue;
            }
            break;
        }
        while (pos_ < line_.size() && !isSeparator(line_[pos_]))
            ++pos_;
        return field.trimmed();
    }

    QString bareField() {
        const qsizetype start = pos_;
        while (pos_ < line_.size() && !isSeparator(line_[pos_]))
            ++pos_;
        return line_.sliced(start, pos_ - start).trimmed().toString();
    }

    QStringView line_;
    bool byBlanks_;
    qsizetype pos_ = 0;
};

} // namespace

QStringList lineFields(QStringView line) {
    const QString text = folded(line);
    return FieldSplitter(text).fields();
}

qsizetype lineFieldCount(QStringView line) {
    const bool byBlanks = !hasTableSeparator(line);
    qsizetype count = 0;
    bool inQuotes = false;
    bool inField = false;
    for (const QChar c : line) {
        if (c == kQuote)
            inQuotes = !inQuotes;
        const bool separates = !inQuotes && (byBlanks ? isBlank(c) : isTableSeparator(c));
        if (byBlanks) {
            if (!separates && !inField)
                ++count;
            inField = !separates;
        } else if (separates) {
            ++count;
        }
    }
    return byBlanks ? count : count + 1;
}

std::optional<int> drawnNumber(const QString& field) {
    QStringView digits(field);
    if (digits.size() >= 3 && digits.startsWith(u'(') && digits.endsWith(u')'))
        digits = digits.sliced(1, digits.size() - 2).trimmed();
    if (digits.isEmpty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(), isAsciiDigit))
        return std::nullopt;
    return digits.toInt();
}

std::optional<int> drawNumberOf(QStringView field) {
    if (field.startsWith(u'第'))
        field = field.sliced(1).trimmed();
    if (field.endsWith(u'回'))
        field = field.chopped(1).trimmed();
    if (field.isEmpty() || field.size() > kMostDrawNumberDigits ||
        !std::all_of(field.begin(), field.end(), isAsciiDigit))
        return std::nullopt;
    const int number = field.toInt();
    return number > 0 ? std::optional<int>(number) : std::nullopt;
}
