#include "results_columns.h"

#include <QStringView>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<QStringView, 6> kDrawNumberHeadings = {u"回",     u"回号",     u"回別",
                                                            u"開催回", u"抽せん回", u"抽選回"};
constexpr std::array<QStringView, 3> kDateHeadings = {u"抽せん日", u"抽選日", u"日付"};
constexpr std::array<QStringView, 3> kMainHeadings = {u"本数字", u"抽せん数字", u"抽選数字"};
constexpr QStringView kNumberWord = u"数字";
constexpr std::array<QStringView, 3> kBonusStarts = {u"ボーナス", u"BONUS", u"B数字"};

bool isOneOf(QStringView text, auto list) {
    return std::find(list.begin(), list.end(), text) != list.end();
}

// 本数字, 本数字1, 抽せん数字3, 数字4 and 第5数字: a number word, numbered or not ("数字" itself
// only when numbered, as it may head a column of anything).
bool isMainHeading(QStringView heading) {
    QStringView word = heading;
    while (!word.isEmpty() && word.back().isDigit())
        word.chop(1);
    const bool numbered = word.size() < heading.size();
    if (isOneOf(word, kMainHeadings) || (numbered && word == kNumberWord))
        return true;
    if (!word.startsWith(u'第') || !word.endsWith(kNumberWord))
        return false;
    const QStringView between = word.sliced(1, word.size() - 1 - kNumberWord.size());
    return !between.isEmpty() &&
           std::all_of(between.begin(), between.end(), [](QChar c) { return c.isDigit(); });
}

bool isBonusHeading(QStringView heading) {
    return std::any_of(kBonusStarts.begin(), kBonusStarts.end(), [heading](QStringView start) {
        return heading.startsWith(start, Qt::CaseInsensitive);
    });
}

QString withoutBlanks(const QString& text) {
    QString kept;
    for (const QChar c : text)
        if (!c.isSpace())
            kept += c;
    return kept;
}

} // namespace

ResultsColumn resultsColumnOf(const QString& heading) {
    const QString text = withoutBlanks(heading);
    if (isOneOf(QStringView(text), kDrawNumberHeadings))
        return ResultsColumn::DrawNumber;
    if (isOneOf(QStringView(text), kDateHeadings))
        return ResultsColumn::Date;
    if (isMainHeading(text))
        return ResultsColumn::Main;
    if (isBonusHeading(text))
        return ResultsColumn::Bonus;
    return ResultsColumn::Other;
}

std::optional<ResultsColumns> resultsColumns(const QStringList& headings) {
    ResultsColumns columns;
    bool drawNumberFound = false;
    ResultsColumn previous = ResultsColumn::Other;
    for (qsizetype i = 0; i < headings.size(); ++i) {
        ResultsColumn column = resultsColumnOf(headings[i]);
        const bool mergedCell = headings[i].isEmpty() && (previous == ResultsColumn::Main ||
                                                          previous == ResultsColumn::Bonus);
        if (mergedCell)
            column = previous;
        if (column == ResultsColumn::DrawNumber && !drawNumberFound) {
            columns.drawNumber = i;
            drawNumberFound = true;
        } else if (column == ResultsColumn::Main) {
            columns.main.push_back(i);
        } else if (column == ResultsColumn::Bonus) {
            columns.bonus.push_back(i);
        }
        previous = column;
    }
    if (!drawNumberFound || columns.main.empty())
        return std::nullopt;
    return columns;
}
