#pragma once

#include "evaluation.h"

#include <QWidget>

// How often each list reached each hit count, as bars beside what chance gives: for every hit
// count 0..MainCount a red bar for the high-pressure list, a blue one for the low-pressure list
// and a purple one for both, each with a grey mark at the share chance would give that list.
class HitChart : public QWidget {
    Q_OBJECT

public:
    explicit HitChart(QWidget* parent = nullptr);

    void setEvaluation(const Evaluation& evaluation);

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
    double share(int count) const;
    double highestShare() const;
    void paintLegend(QPainter& painter, const QRect& area) const;
    void paintScale(QPainter& painter, const QRect& plot) const;

    Evaluation shown;
};
