#include "record_fields.h"

#include <optional>

namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';
constexpr char kColon = ':';
constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == kCarriageReturn || c == kLineFeed;
}
bool isSeparator(char c) {
    return c == kComma || c == kColon;
}
bool endsUnquotedField(char c) {
    return isSeparator(c) || isLineEnd(c);
}

// Walks the bytes once; every step moves forward, so any input ends the scan.
class FieldScanner {
public:
    FieldScanner(QByteArrayView bytes, bool wholeFile) : bytes_(bytes), wholeFile_(wholeFile) {}

    FieldScan scan(int count) {
        FieldScan result;
        result.fields.reserve(count);
        while (result.fields.size() < count) {
            skipToFieldStart();
            if (atEnd()) {
                result.end = bytesEnd();
                return result;
            }
            std::optional<QByteArray> field = atQuote() ? quotedField() : unquotedField();
            if (!field) {
                result.end = FieldScanEnd::LimitReached;
                return result;
            }
            result.fields.append(*field);
        }
        result.lineFields = static_cast<int>(result.fields.size()) + fieldsLeftOnLine();
        return result;
    }

private:
    bool atEnd() const { return pos_ >= bytes_.size(); }
    char current() const { return bytes_[pos_]; }
    bool atQuote() const { return current() == kQuote; }
    FieldScanEnd bytesEnd() const {
        return wholeFile_ ? FieldScanEnd::FileEnded : FieldScanEnd::LimitReached;
    }

    void skipToFieldStart() {
        while (!atEnd() && (isBlank(current()) || isLineEnd(current())))
            ++pos_;
    }

    // Passes the separator or line end that closes a field; a CR LF pair counts as one.
    void passFieldEnd() {
        lastFieldEndedLine_ = true;
        if (atEnd())
            return;
        const char c = current();
        ++pos_;
        lastFieldEndedLine_ = !isSeparator(c);
        if (c == kCarriageReturn && !atEnd() && current() == kLineFeed)
            ++pos_;
    }

    // Separators and blanks alone, as a line that ends in a comma has, make no field. The bytes
    // given are all that is looked at, so a line that runs on past them is counted as it stands.
    int fieldsLeftOnLine() {
        int count = 0;
        while (!lastFieldEndedLine_) {
            while (!atEnd() && isBlank(current()))
                ++pos_;
            if (atEnd() || isLineEnd(current()))
                break;
            const bool quoted = atQuote();
            const std::optional<QByteArray> field = quoted ? quotedField() : unquotedField();
            if (!field)
                break;
            if (quoted || !field->isEmpty())
                ++count;
        }
        return count;
    }

    // Runs to the closing quote; without one on the line the field runs to the line end. Nothing
    // when the bytes end inside the field but more of the file follows them.
    std::optional<QByteArray> quotedField() {
        ++pos_;
        const qsizetype start = pos_;
        while (!atEnd() && current() != kQuote && !isLineEnd(current()))
            ++pos_;
        if (atEnd() && !wholeFile_)
            return std::nullopt;
        const QByteArray field = bytes_.sliced(start, pos_ - start).toByteArray();
        if (!atEnd() && atQuote()) {
            ++pos_;
            while (!atEnd() && !endsUnquotedField(current()))
                ++pos_;
        }
        passFieldEnd();
        return field;
    }

    std::optional<QByteArray> unquotedField() {
        const qsizetype start = pos_;
        while (!atEnd() && !endsUnquotedField(current()))
            ++pos_;
        if (atEnd() && !wholeFile_)
            return std::nullopt;
        qsizetype end = pos_;
        while (end > start && isBlank(bytes_[end - 1]))
            --end;
        const QByteArray field = bytes_.sliced(start, end - start).toByteArray();
        passFieldEnd();
        return field;
    }

    QByteArrayView bytes_;
    bool wholeFile_;
    qsizetype pos_ = 0;
    bool lastFieldEndedLine_ = true;
};

} // namespace

FieldScan scanRecordFields(QByteArrayView bytes, int count, bool wholeFile) {
    return FieldScanner(bytes, wholeFile).scan(count);
}
