#include "results_file.h"

#include "game_profile.h"
#include "shift_jis.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

std::optional<QString> decodedText(QByteArrayView bytes) {
    if (bytes.startsWith(kUtf8Bom))
        bytes = bytes.sliced(3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fromShiftJis(bytes);
}

QString unquoted(QString field) {
    field = field.trimmed();
    if (field.size() >= 2 && field.startsWith(u'"') && field.endsWith(u'"'))
        field = field.sliced(1, field.size() - 2).trimmed();
    return field;
}

std::optional<int> drawNumberOf(const QString& field) {
    static const QRegularExpression kDrawNumber(QStringLiteral("^第?\\s*(\\d{1,6})\\s*回?$"));
    const QRegularExpressionMatch match = kDrawNumber.match(field);
    if (!match.hasMatch())
        return std::nullopt;
    const int number = match.captured(1).toInt();
    return number > 0 ? std::optional<int>(number) : std::nullopt;
}

bool isDate(const QString& field) {
    static const QRegularExpression kDate(QStringLiteral("^\\d{4}[/-]\\d{1,2}[/-]\\d{1,2}$"));
    return kDate.match(field).hasMatch();
}

bool isPlainNumber(const QString& field) {
    static const QRegularExpression kNumber(QStringLiteral("^\\d{1,2}$"));
    return kNumber.match(field).hasMatch();
}

// One line as a draw: its number and its numbers, or nothing for any other line.
std::optional<std::pair<int, KnownDraw>> lineDraw(const GameProfile& profile, QStringView line) {
    static const QRegularExpression kSeparator(QStringLiteral("[,\\t]"));
    QStringList fields;
    for (const QString& field : line.toString().split(kSeparator))
        fields << unquoted(field);
    if (fields.isEmpty())
        return std::nullopt;
    const std::optional<int> number = drawNumberOf(fields.front());
    if (!number)
        return std::nullopt;
    qsizetype first = 1;
    if (first < fields.size() && isDate(fields[first]))
        ++first;
    const QStringList numbers = fields.mid(first, profile.RowSize);
    for (const QString& n : numbers) {
        if (!isPlainNumber(n))
            return std::nullopt;
    }
    const std::optional<KnownDraw> draw = knownDraw(profile, numbers);
    if (!draw)
        return std::nullopt;
    return std::pair{*number, *draw};
}

} // namespace

ResultsFile parseResultsFile(const GameProfile& profile, QByteArrayView bytes) {
    ResultsFile results;
    const std::optional<QString> text = decodedText(bytes);
    if (!text) {
        results.error = QStringLiteral("UTF-8 でも Shift-JIS でもない文字が入っています");
        return results;
    }
    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        if (const auto draw = lineDraw(profile, line))
            results.draws[draw->first] = draw->second;
        else
            ++results.skippedLines;
    }
    return results;
}

ResultsFile readResultsFile(const GameProfile& profile, const QString& path) {
    ResultsFile refused;
    const QFileInfo info(path);
    if (!info.isFile()) {
        refused.error =
            QStringLiteral("通常のファイルではありません（フォルダー、パイプ、装置など）");
        return refused;
    }
    if (info.size() > ResultsFileLimit) {
        refused.error =
            QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(ResultsFileLimit);
        return refused;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        refused.error = QStringLiteral("ファイルを開けません（%1）").arg(file.errorString());
        return refused;
    }
    // A file that grew after the look at its size is still read only up to the limit.
    const QByteArray bytes = file.read(ResultsFileLimit + 1);
    if (bytes.size() > ResultsFileLimit) {
        refused.error =
            QStringLiteral("ファイルが大きすぎます（%1 バイトまで）").arg(ResultsFileLimit);
        return refused;
    }
    return parseResultsFile(profile, bytes);
}
