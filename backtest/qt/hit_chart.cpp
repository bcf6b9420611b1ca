#include "hit_chart.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMargin = 8;
constexpr int kAxisTextHeight = 16;
constexpr int kLegendHeight = 18;
constexpr int kSwatch = 10;
constexpr int kScaleWidth = 44;
constexpr int kLegendGap = 16;
const QColor kChanceGrey(128, 128, 128);
const QString kChanceText = QStringLiteral("偶然 (灰色の線)");
const QString kAxisText = QStringLiteral("横軸: 当たり数");

} // namespace

HitChart::HitChart(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(140);
    setAccessibleName(QStringLiteral("当たり数のグラフ"));
}

void HitChart::setEvaluation(const Evaluation& evaluation,
                             const std::vector<ChanceComparison>& comparisons) {
    shown = evaluation;
    verdicts = comparisons;
    setAccessibleDescription(valuesText());
    update();
}

// The bars in words, for screen readers: each list's share of draws for every hit count beside
// chance's.
QString HitChart::valuesText() const {
    QStringList lines;
    for (const Series& s : series()) {
        QStringList bars;
        for (std::size_t hits = 0; hits < s.distribution->counts.size(); ++hits) {
            const double chance =
                hits < s.distribution->chance.size() ? s.distribution->chance[hits] : 0.0;
            bars << QStringLiteral("%1 個 %2 回 (%3%、偶然 %4%)")
                        .arg(hits)
                        .arg(s.distribution->counts[hits])
                        .arg(100 * share(s.distribution->counts[hits]), 0, 'f', 1)
                        .arg(100 * chance, 0, 'f', 1);
        }
        lines << seriesText(s) + QStringLiteral("。") + bars.join(QStringLiteral("、"));
    }
    return lines.join(u'\n');
}

QSize HitChart::sizeHint() const {
    return {560, 180};
}

std::vector<HitChart::Series> HitChart::series() const {
    return {{&shown.high, QColor(220, 40, 40), QStringLiteral("高気圧型")},
            {&shown.low, QColor(40, 80, 220), QStringLiteral("低気圧型")},
            {&shown.both, QColor(150, 50, 170), QStringLiteral("両方")}};
}

double HitChart::share(int count) const {
    return shown.draws.empty()
               ? 0.0
               : static_cast<double>(count) / static_cast<double>(shown.draws.size());
}

// The scale runs to the tallest bar or chance mark, so that small shares still show.
double HitChart::highestShare() const {
    double highest = 0.0;
    for (const Series& s : series()) {
        for (int count : s.distribution->counts)
            highest = std::max(highest, share(count));
        for (double p : s.distribution->chance)
            highest = std::max(highest, p);
    }
    return highest > 0.0 ? highest : 1.0;
}

// The comparison of the same name, once the check has judged it.
QString HitChart::seriesText(const Series& s) const {
    for (const ChanceComparison& c : verdicts) {
        if (c.name == s.name && !shown.draws.empty())
            return QStringLiteral("%1: %2").arg(s.name, verdictText(c.verdict));
    }
    return s.name;
}

QStringList HitChart::legendTexts() const {
    QStringList texts;
    for (const Series& s : series())
        texts << seriesText(s);
    texts << kChanceText << kAxisText;
    return texts;
}

int HitChart::paintLegend(QPainter& painter, const QRect& area) const {
    const QFontMetrics metrics = painter.fontMetrics();
    int x = area.left();
    int top = area.top();
    // Each entry: its mark (a swatch, a grey line or nothing) and its text.
    const auto place = [&](const QString& text, int markWidth) {
        const int width = markWidth + metrics.horizontalAdvance(text) + kLegendGap;
        if (x > area.left() && x + width > area.right()) {
            x = area.left();
            top += kLegendHeight;
        }
        const int left = x;
        x += width;
        return QRect(left, top, width, kLegendHeight);
    };
    const std::vector<Series> all = series();
    for (const Series& s : all) {
        const QString text = seriesText(s);
        const QRect entry = place(text, kSwatch + 4);
        painter.fillRect(entry.left(), entry.center().y() - kSwatch / 2, kSwatch, kSwatch,
                         s.colour);
        painter.drawText(entry.adjusted(kSwatch + 4, 0, 0, 0), Qt::AlignVCenter, text);
    }
    const QRect chance = place(kChanceText, kSwatch + 4);
    painter.setPen(QPen(kChanceGrey, 2));
    painter.drawLine(chance.left(), chance.center().y(), chance.left() + kSwatch,
                     chance.center().y());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(chance.adjusted(kSwatch + 4, 0, 0, 0), Qt::AlignVCenter, kChanceText);
    painter.drawText(place(kAxisText, 0), Qt::AlignVCenter, kAxisText);
    return top + kLegendHeight - area.top();
}

// The top of the scale as a share of the evaluated draws, with a dotted line across.
void HitChart::paintScale(QPainter& painter, const QRect& plot) const {
    const QString top = QString::number(highestShare() * 100, 'f', 0) + u'%';
    painter.drawText(QRect(plot.left() - kScaleWidth, plot.top() - kAxisTextHeight / 2,
                           kScaleWidth - 4, kAxisTextHeight),
                     Qt::AlignRight | Qt::AlignVCenter, top);
    painter.drawText(QRect(plot.left() - kScaleWidth, plot.bottom() - kAxisTextHeight / 2,
                           kScaleWidth - 4, kAxisTextHeight),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0%"));
    painter.setPen(QPen(kChanceGrey, 1, Qt::DotLine));
    painter.drawLine(plot.topLeft(), plot.topRight());
    painter.setPen(palette().color(QPalette::WindowText));
}

void HitChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect inner = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const int legend = paintLegend(painter, inner);
    const QRect plot = inner.adjusted(kScaleWidth, legend + 8, 0, -kAxisTextHeight);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    if (shown.draws.empty()) {
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("照合できる抽選がありません"));
        return;
    }
    paintScale(painter, plot);

    const std::vector<Series> all = series();
    const int groups = static_cast<int>(shown.high.counts.size());
    const double groupWidth = static_cast<double>(plot.width()) / groups;
    const double barWidth = groupWidth * 0.8 / static_cast<double>(all.size());
    const double scale = plot.height() / highestShare();
    for (int hits = 0; hits < groups; ++hits) {
        const double left = plot.left() + groupWidth * hits + groupWidth * 0.1;
        for (std::size_t s = 0; s < all.size(); ++s) {
            const double x = left + barWidth * static_cast<double>(s);
            const double height = share(all[s].distribution->counts[hits]) * scale;
            painter.fillRect(QRectF(x, plot.bottom() - height, barWidth - 1, height),
                             all[s].colour);
            const double chanceY = plot.bottom() - all[s].distribution->chance[hits] * scale;
            painter.setPen(QPen(kChanceGrey, 2));
            painter.drawLine(QPointF(x, chanceY), QPointF(x + barWidth - 1, chanceY));
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(
            QRectF(plot.left() + groupWidth * hits, plot.bottom() + 1, groupWidth, kAxisTextHeight),
            Qt::AlignCenter, QString::number(hits));
    }
}
