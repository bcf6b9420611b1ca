#include "results_file.h"

#include "game_profile.h"
#include "shift_jis.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

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

// NFKC folds full-width digits, commas, slashes and blanks into their ASCII forms. A line of
// ASCII alone has nothing to fold and skips the cost.
QString folded(QStringView line) {
    const bool ascii =
        std::all_of(line.begin(), line.end(), [](QChar c) { return c.unicode() < 0x80; });
    return ascii ? line.toString() : line.toString().normalized(QString::NormalizationForm_KC);
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
    static const QRegularExpression kDate(QStringLiteral(
        "^\\d{4}(?:[/-]\\d{1,2}[/-]\\d{1,2}|\\s*年\\s*\\d{1,2}\\s*月\\s*\\d{1,2}\\s*日)$"));
    return kDate.match(field).hasMatch();
}

// One or two ASCII digits: the numbers of a draw. Checked by hand, as it runs for every field.
bool isPlainNumber(const QString& field) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return (field.size() == 1 || field.size() == 2) &&
           std::all_of(field.begin(), field.end(), digit);
}

// How many numbers follow the first one in ascending order.
qsizetype ascendingRun(const QStringList& fields) {
    qsizetype run = 0;
    int previous = 0;
    for (const QString& field : fields) {
        if (!isPlainNumber(field) || field.toInt() <= previous)
            break;
        previous = field.toInt();
        ++run;
    }
    return run;
}

// Whether the numbers of a draw line belong to another game: more main numbers than the game
// draws, or a number read beyond the pool.
bool fitsOtherGame(const GameProfile& profile, const QStringList& numbers) {
    if (ascendingRun(numbers) > profile.MainCount)
        return true;
    for (const QString& n : numbers.mid(0, profile.RowSize)) {
        if (isPlainNumber(n) && n.toInt() > profile.PoolSize)
            return true;
    }
    return false;
}

// A line that starts with a draw number: the number, and the fields after it and its date.
struct DrawLine {
    int number = 0;
    QStringList numbers;
};

std::optional<DrawLine> drawLine(QStringView line) {
    QStringList fields;
    const QString text = folded(line);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == u',' || text[i] == u'\t') {
            fields << unquoted(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    const std::optional<int> number = drawNumberOf(fields.front());
    if (!number)
        return std::nullopt;
    qsizetype first = 1;
    if (first < fields.size() && isDate(fields[first]))
        ++first;
    return DrawLine{*number, fields.mid(first)};
}

// The draw of a draw line, when its numbers make a valid draw of the game.
std::optional<KnownDraw> drawOf(const GameProfile& profile, const DrawLine& line) {
    const QStringList numbers = line.numbers.mid(0, profile.RowSize);
    for (const QString& n : numbers) {
        if (!isPlainNumber(n))
            return std::nullopt;
    }
    return knownDraw(profile, numbers);
}

ResultsFile refused(const QString& why) {
    ResultsFile refused;
    refused.error = why;
    return refused;
}

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

ResultsFile parseResultsFile(const GameProfile& profile, QByteArrayView bytes) {
    ResultsFile results;
    const std::optional<QString> text = decodedText(bytes);
    if (!text) {
        results.error = QStringLiteral("UTF-8 でも Shift-JIS でもない文字が入っています");
        return results;
    }
    int drawLines = 0;
    int otherGameLines = 0;
    for (QStringView line : QStringView(*text).split(u'\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<DrawLine> shaped = drawLine(line);
        if (shaped) {
            ++drawLines;
            if (fitsOtherGame(profile, shaped->numbers))
                ++otherGameLines;
        }
        const std::optional<KnownDraw> draw = shaped ? drawOf(profile, *shaped) : std::nullopt;
        if (draw)
            results.draws[shaped->number] = *draw;
        else
            ++results.skippedLines;
    }
    if (drawLines > 0 && otherGameLines * 2 > drawLines)
        return refused(QStringLiteral("ほかのゲームの結果ファイルのようです。%1 行のうち %2 行で、"
                                      "数字がこのゲームの本数字 %3 個・1～%4 の範囲に合いません")
                           .arg(drawLines)
                           .arg(otherGameLines)
                           .arg(profile.MainCount)
                           .arg(profile.PoolSize));
    if (results.draws.empty())
        return refused(text->trimmed().isEmpty()
                           ? QStringLiteral("ファイルが空です")
                           : QStringLiteral("このゲームの抽選として読める行が 1 行もありません"));
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

ResultsFile readResultsFiles(const GameProfile& profile, const QStringList& paths) {
    if (paths.isEmpty())
        return refused(QStringLiteral("結果ファイルが選ばれていません"));
    ResultsFile gathered;
    std::map<int, QString> sourceOf;
    for (const QString& path : paths) {
        const ResultsFile one = readResultsFile(profile, path);
        if (one.error)
            return refused(QStringLiteral("%1: %2").arg(fileNameOf(path), *one.error));
        gathered.skippedLines += one.skippedLines;
        for (const auto& [number, draw] : one.draws) {
            const auto [place, added] = gathered.draws.try_emplace(number, draw);
            if (!added && place->second != draw)
                return refused(QStringLiteral("第%1回の数字が %2 と %3 で違います（%4 と %5）")
                                   .arg(number)
                                   .arg(sourceOf[number], fileNameOf(path), drawText(place->second),
                                        drawText(draw)));
            sourceOf.try_emplace(number, fileNameOf(path));
        }
    }
    return gathered;
}
