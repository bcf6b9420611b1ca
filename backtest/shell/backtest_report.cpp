#include "backtest_report.h"

namespace {

QString numbersText(const std::vector<int>& numbers) {
    QStringList texts;
    for (int n : numbers)
        texts << QString::number(n);
    return texts.join(u' ');
}

QString hitsCount(const ListHits& hits) {
    return QString::number(hits.hits.size());
}

QString flag(bool hit) {
    return hit ? QStringLiteral("1") : QStringLiteral("0");
}

QString percent(double share) {
    return QString::number(share * 100, 'f', 1) + u'%';
}

// The mean hits of one list over the evaluated draws, beside the mean chance gives its lists.
QString meanLine(const QString& name, const Evaluation& evaluation,
                 const ListHits EvaluatedDraw::*list) {
    double hits = 0;
    double chance = 0;
    for (const EvaluatedDraw& row : evaluation.draws) {
        hits += static_cast<double>((row.*list).hits.size());
        chance += (row.*list).chanceMean;
    }
    const double draws = static_cast<double>(evaluation.draws.size());
    return QStringLiteral("%1 %2 (偶然 %3)")
        .arg(name, QString::number(hits / draws, 'f', 2), QString::number(chance / draws, 'f', 2));
}

QString keyLine(const QString& name, const Evaluation& evaluation, bool EvaluatedDraw::*hit) {
    int hits = 0;
    for (const EvaluatedDraw& row : evaluation.draws)
        hits += (row.*hit) ? 1 : 0;
    const double share = static_cast<double>(hits) / static_cast<double>(evaluation.draws.size());
    return QStringLiteral("%1 %2 (偶然 %3)")
        .arg(name, percent(share), percent(evaluation.keyChance));
}

QString filesLine(const DrawHistory& history) {
    return QStringLiteral("読んだデータファイル %1 個 / 読み飛ばし: 読めない %2、項目不足 %3、"
                          "無効な抽選 %4 / 結果ファイルの読み飛ばし行 %5 / 食い違い %6 件")
        .arg(history.filesRead)
        .arg(history.unreadableFiles)
        .arg(history.shortFiles)
        .arg(history.invalidDrawFiles)
        .arg(history.skippedResultLines)
        .arg(history.disagreements.size());
}

// Below a thousandth the figure no longer matters to a player, and the last digits of a tiny
// probability would promise an accuracy that no history of draws has.
constexpr double kSmallestShownProbability = 0.001;

} // namespace

QString probabilityText(double p) {
    if (p < kSmallestShownProbability)
        return QStringLiteral("0.1% 未満");
    return percent(p);
}

QString comparisonLine(const ChanceComparison& comparison) {
    return QStringLiteral("%1: 当たり 計 %2 個 (偶然なら平均 %3 個)、偶然でもこれ以上当たる確率 "
                          "(p 値) %4 → %5")
        .arg(comparison.name)
        .arg(comparison.hits)
        .arg(QString::number(comparison.chanceHits, 'f', 2), probabilityText(comparison.atLeast),
             verdictText(comparison.verdict));
}

QString backtestSummary(const DrawHistory& history, const Evaluation& evaluation,
                        const std::vector<ChanceComparison>& comparisons) {
    if (evaluation.draws.empty()) {
        return QStringLiteral("照合できる抽選がありません。4 回続けて分かっている抽選が必要です"
                              "（続いた週のデータファイルか、結果ファイル）。\n") +
               filesLine(history);
    }
    const int newest = evaluation.draws.front().draw;
    const int oldest = evaluation.draws.back().draw;
    QStringList lines;
    lines << QStringLiteral("照合した抽選 %1 回 (第%2回 ～ 第%3回)")
                 .arg(evaluation.draws.size())
                 .arg(oldest)
                 .arg(newest);
    lines << QStringLiteral("平均当たり数: ") +
                 QStringList{meanLine(QStringLiteral("高気圧型"), evaluation, &EvaluatedDraw::high),
                             meanLine(QStringLiteral("低気圧型"), evaluation, &EvaluatedDraw::low),
                             meanLine(QStringLiteral("両方"), evaluation, &EvaluatedDraw::both)}
                     .join(QStringLiteral("、"));
    lines << QStringLiteral("キー数字の当たり率: ") +
                 keyLine(QStringLiteral("表"), evaluation, &EvaluatedDraw::frontHit) +
                 QStringLiteral("、") +
                 keyLine(QStringLiteral("裏"), evaluation, &EvaluatedDraw::backHit);
    lines << QStringLiteral("偶然との比較 (5 つをまとめて判定: でたらめな予想を「偶然より多い・"
                            "少ない」と取り違えるのは %1 回に 1 回以下):")
                 .arg(qRound(1.0 / FamilyErrorRate));
    for (const ChanceComparison& comparison : comparisons)
        lines << QStringLiteral("　") + comparisonLine(comparison);
    lines << QStringLiteral("過去の当たり具合は、これからの当たりを約束するものではありません。");
    lines << filesLine(history);
    return lines.join(u'\n');
}

QString disagreementText(const DrawHistory& history) {
    QStringList lines;
    for (const Disagreement& d : history.disagreements) {
        lines << QStringLiteral("第%1回: %2 (%3) を採り、%4 (%5) を捨てました")
                     .arg(d.draw)
                     .arg(drawText(d.kept), d.keptFrom, drawText(d.dropped), d.droppedFrom);
    }
    return lines.join(u'\n');
}

QStringList backtestHeader() {
    return {QStringLiteral("回"),
            QStringLiteral("当選数字"),
            QStringLiteral("高気圧型"),
            QStringLiteral("低気圧型"),
            QStringLiteral("両方"),
            QStringLiteral("表"),
            QStringLiteral("裏"),
            QStringLiteral("高気圧型の当たり"),
            QStringLiteral("低気圧型の当たり"),
            QStringLiteral("両方の当たり"),
            QStringLiteral("表の数字"),
            QStringLiteral("裏の数字")};
}

std::vector<QStringList> backtestRows(const Evaluation& evaluation) {
    std::vector<QStringList> rows;
    for (const EvaluatedDraw& row : evaluation.draws) {
        rows.push_back({QString::number(row.draw), numbersText(row.drawn.main), hitsCount(row.high),
                        hitsCount(row.low), hitsCount(row.both), flag(row.frontHit),
                        flag(row.backHit), numbersText(row.high.hits), numbersText(row.low.hits),
                        numbersText(row.both.hits), QString::number(row.frontKey),
                        QString::number(row.backKey)});
    }
    return rows;
}

QString backtestTable(const Evaluation& evaluation, QChar separator, const QString& lineEnd) {
    QString text = backtestHeader().join(separator) + lineEnd;
    for (const QStringList& row : backtestRows(evaluation))
        text += row.join(separator) + lineEnd;
    return text;
}
