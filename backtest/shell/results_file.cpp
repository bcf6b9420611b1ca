#include "results_file.h"

#include "draw_date.h"
#include "game_profile.h"
#include "results_columns.h"
#include "results_line.h"
#include "shift_jis.h"

#include <QFile>
#include <QFileInfo>
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

ResultsFile refused(const QString& why) {
    ResultsFile refused;
    refused.error = why;
    return refused;
}

QString fileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

QString disagreement(int number, const KnownDraw& first, const KnownDraw& second,
                     const QString& where) {
    return QStringLiteral("第%1回の数字が%2違います（%3 と %4）")
        .arg(number)
        .arg(where, drawText(first), drawText(second));
}

// A draw's numbers as a line gives them. Where headings or labels tell the main numbers from the
// bonus, they come apart; otherwise (a line read by its shape) all come as `main`, main numbers
// first, as results list them.
struct DrawLine {
    int number = 0;
    QStringList main;
    QStringList bonus;
    bool apart = false;
};

std::optional<int> fieldNumber(const QStringList& fields, qsizetype column) {
    return column < fields.size() ? drawnNumber(fields[column]) : std::nullopt;
}

// The ascending run of numbers at the start, as long as the game's main numbers are in a line
// of its results.
qsizetype ascendingRun(const QStringList& fields) {
    qsizetype run = 0;
    int previous = 0;
    for (const QString& field : fields) {
        const std::optional<int> n = drawnNumber(field);
        if (!n || *n <= previous)
            break;
        previous = *n;
        ++run;
    }
    return run;
}

bool beyondPool(const GameProfile& profile, const QStringList& numbers) {
    return std::any_of(numbers.begin(), numbers.end(), [&profile](const QString& field) {
        const std::optional<int> n = drawnNumber(field);
        return n && *n > profile.PoolSize;
    });
}

// Whether the line holds another game's draw: other than the game's count of main numbers, or a
// number beyond the game's pool.
bool fitsOtherGame(const GameProfile& profile, const DrawLine& line) {
    if (line.apart)
        return line.main.size() != profile.MainCount ||
               beyondPool(profile, line.main + line.bonus.mid(0, profile.BonusCount));
    return ascendingRun(line.main) > profile.MainCount ||
           beyondPool(profile, line.main.mid(0, profile.RowSize));
}

// The draw of a line, when its numbers make a valid draw of the game.
std::optional<KnownDraw> drawOf(const GameProfile& profile, const DrawLine& line) {
    if (line.apart &&
        (line.main.size() != profile.MainCount || line.bonus.size() < profile.BonusCount))
        return std::nullopt;
    const QStringList fields = line.apart ? line.main + line.bonus.mid(0, profile.BonusCount)
                                          : line.main.mid(0, profile.RowSize);
    QStringList numbers;
    for (const QString& field : fields) {
        const std::optional<int> n = drawnNumber(field);
        if (!n)
            return std::nullopt;
        numbers << QString::number(*n);
    }
    return knownDraw(profile, numbers);
}

bool isDate(const QString& field) {
    return drawDate(field).has_value();
}

// A line without headings: the draw number, with the date before or after it, then the numbers.
std::optional<DrawLine> shapedLine(const QStringList& fields) {
    qsizetype at = 0;
    if (at < fields.size() && isDate(fields[at]))
        ++at;
    const std::optional<int> number = at < fields.size() ? drawNumberOf(fields[at]) : std::nullopt;
    if (!number)
        return std::nullopt;
    ++at;
    if (at < fields.size() && isDate(fields[at]))
        ++at;
    if (!fieldNumber(fields, at))
        return std::nullopt;
    return DrawLine{*number, fields.mid(at), {}, false};
}

std::optional<DrawLine> tableLine(const ResultsColumns& columns, const QStringList& fields) {
    const std::optional<int> number = columns.drawNumber < fields.size()
                                          ? drawNumberOf(fields[columns.drawNumber])
                                          : std::nullopt;
    if (!number)
        return std::nullopt;
    if (columns.numbersRunOn())
        return DrawLine{*number, fields.mid(columns.main.front()), {}, false};
    DrawLine line{*number, {}, {}, true};
    for (qsizetype column : columns.main)
        line.main << fields.value(column);
    for (qsizetype column : columns.bonus)
        line.bonus << fields.value(column);
    return line;
}

// The numbers after a label, up to the first field that is no number.
QStringList numbersFrom(const QStringList& fields, qsizetype at) {
    QStringList numbers;
    for (; at < fields.size() && drawnNumber(fields[at]); ++at)
        numbers << fields[at];
    return numbers;
}

bool isLabelOf(const QStringList& fields, ResultsColumn label) {
    return fields.size() > 1 && resultsColumnOf(fields[0]) == label && drawnNumber(fields[1]);
}

// The draw number a title line of a results page names: 第1234回 anywhere in the line, or a
// draw-number label followed by the number.
std::optional<int> titleNumber(const QStringList& fields) {
    if (fields.size() > 1 && resultsColumnOf(fields[0]) == ResultsColumn::DrawNumber)
        if (const std::optional<int> number = drawNumberOf(fields[1]))
            return number;
    for (const QString& field : fields) {
        const qsizetype start = field.indexOf(u'第');
        const qsizetype end = start < 0 ? -1 : field.indexOf(u'回', start);
        if (end > start)
            if (const std::optional<int> number =
                    drawNumberOf(QStringView(field).sliced(start, end - start + 1)))
                return number;
    }
    return std::nullopt;
}

// Reads a results text line by line. A header line sets the columns of the lines after it; lines
// without one are read by their shape; a page's labelled lines (a title with the draw number,
// 「本数字」 and 「ボーナス数字」 lines) make one draw together.
class ResultsReader {
public:
    explicit ResultsReader(const GameProfile& profile) : profile_(profile) {}

    ResultsFile read(QStringView text) {
        qsizetype lineNumber = 0;
        // A line ends at LF, at CR, or at CR LF.
        for (qsizetype start = 0; start <= text.size() && !results_.error;) {
            qsizetype end = start;
            while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
                ++end;
            readLine(text.sliced(start, end - start), ++lineNumber);
            start = end + 1;
            if (end < text.size() && text[end] == u'\r' && start < text.size() &&
                text[start] == u'\n')
                ++start;
        }
        finishLabelled();
        if (results_.error)
            return refused(*results_.error);
        return verdict(text);
    }

private:
    void readLine(QStringView line, qsizetype lineNumber) {
        if (line.trimmed().isEmpty())
            return;
        if (++lines_ > ResultsLineLimit) {
            results_.error = QStringLiteral("行が多すぎます（%1 行まで。結果の表にこれほどの行は"
                                            "ありません）")
                                 .arg(ResultsLineLimit);
            return;
        }
        if (lineFieldCount(line) > ResultsFieldLimit) {
            results_.error = QStringLiteral("%1 行目の項目が多すぎます（1 行 %2 項目まで）")
                                 .arg(lineNumber)
                                 .arg(ResultsFieldLimit);
            return;
        }
        readFields(lineFields(line));
    }

    void readFields(const QStringList& fields) {
        if (std::optional<ResultsColumns> header = resultsColumns(fields)) {
            finishLabelled();
            columns_ = std::move(header);
            ++results_.skippedLines;
            return;
        }
        if (isLabelOf(fields, ResultsColumn::Main)) {
            labelled_.main = numbersFrom(fields, 1);
            const qsizetype after = 1 + labelled_.main.size();
            if (after < fields.size() && resultsColumnOf(fields[after]) == ResultsColumn::Bonus)
                labelled_.bonus = numbersFrom(fields, after + 1);
            return;
        }
        if (isLabelOf(fields, ResultsColumn::Bonus)) {
            labelled_.bonus = numbersFrom(fields, 1);
            return;
        }
        const std::optional<DrawLine> line =
            columns_ ? tableLine(*columns_, fields) : shapedLine(fields);
        if (line) {
            take(*line);
            return;
        }
        if (const std::optional<int> title = titleNumber(fields)) {
            finishLabelled();
            labelled_.number = *title;
            return;
        }
        ++results_.skippedLines;
    }

    // A labelled draw is complete once the next one begins, or the text ends.
    void finishLabelled() {
        if (labelled_.number > 0 && !labelled_.main.isEmpty()) {
            labelled_.apart = true;
            take(labelled_);
        } else if (!labelled_.main.isEmpty()) {
            ++results_.skippedLines; // numbers without a title naming their draw
        }
        labelled_ = DrawLine{};
    }

    void take(const DrawLine& line) {
        ++drawLines_;
        if (fitsOtherGame(profile_, line))
            ++otherGameLines_;
        const std::optional<KnownDraw> draw = drawOf(profile_, line);
        if (!draw) {
            ++results_.skippedLines;
            return;
        }
        const auto [place, added] = results_.draws.try_emplace(line.number, *draw);
        if (!added && place->second != *draw && !results_.error)
            results_.error =
                disagreement(line.number, place->second, *draw, QStringLiteral(" 2 か所で"));
    }

    ResultsFile verdict(QStringView text) {
        if (drawLines_ > 0 && otherGameLines_ * 2 > drawLines_)
            return refused(
                QStringLiteral("ほかのゲームの結果ファイルのようです。%1 行のうち %2 行で、"
                               "数字がこのゲームの本数字 %3 個・1～%4 の範囲に合いません")
                    .arg(drawLines_)
                    .arg(otherGameLines_)
                    .arg(profile_.MainCount)
                    .arg(profile_.PoolSize));
        if (results_.draws.empty())
            return refused(
                text.trimmed().isEmpty()
                    ? QStringLiteral("ファイルが空です")
                    : QStringLiteral("このゲームの抽選として読める行が 1 行もありません"));
        return results_;
    }

    const GameProfile& profile_;
    ResultsFile results_;
    std::optional<ResultsColumns> columns_;
    DrawLine labelled_;
    qsizetype lines_ = 0;
    int drawLines_ = 0;
    int otherGameLines_ = 0;
};

} // namespace

ResultsFile parseResultsFile(const GameProfile& profile, QByteArrayView bytes) {
    const std::optional<QString> text = decodedText(bytes);
    if (!text)
        return refused(QStringLiteral("UTF-8 でも Shift-JIS でもない文字が入っています"));
    return ResultsReader(profile).read(*text);
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
                return refused(disagreement(
                    number, place->second, draw,
                    QStringLiteral(" %1 と %2 で").arg(sourceOf[number], fileNameOf(path))));
            sourceOf.try_emplace(number, fileNameOf(path));
        }
    }
    return gathered;
}
