#pragma once

#include "chance_comparison.h"
#include "evaluation.h"

#include <QWidget>

// How often each list reached each hit count, as bars beside what chance gives: for every hit
// count 0..MainCount a red bar for the high-pressure list, a blue one for the low-pressure list
// and a purple one for both, each with a grey mark at the share chance would give that list. The
// legend names each list with its verdict against chance.
class HitChart : public QWidget {
    Q_OBJECT

public:
    explicit HitChart(QWidget* parent = nullptr);

    void setEvaluation(const Evaluation& evaluation,
                       const std::vector<ChanceComparison>& comparisons);
    // The legend's entries as painted, each list's name with its verdict, then chance's mark.
    QStringList legendTexts() const;
    // What the bars show, as the chart's accessible description.
    QString valuesText() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Series {
        const HitDistribution* distribution;
        QColor colour;
        QString name;
    };

    std::vector<Series> series() const;
    QString seriesText(const Series& s) const;
    double share(int count) const;
    double highestShare() const;
    // Paints the legend from the top of the area, its entries running on to a new line where
    // the width ends; gives the height it took.
    int paintLegend(QPainter& painter, const QRect& area) const;
    void paintScale(QPainter& painter, const QRect& plot) const;

    Evaluation shown;
    std::vector<ChanceComparison> verdicts;
};
