#pragma once

#include "journal/Journal.h"

#include <QWidget>

#include <vector>

namespace tb {

// Minutes per day as bars, oldest on the left. Painted in the colours of the palette, so it
// reads in light and dark themes alike; a bar's day and minutes show as its tool tip.
class PracticeChart final : public QWidget
{
    Q_OBJECT
public:
    explicit PracticeChart(QWidget *parent = nullptr);

    void setDays(const std::vector<DayPractice> &days);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect plotArea() const;
    // The bar under `x`, or -1.
    int barAt(int x) const;

    std::vector<DayPractice> days_;
};

} // namespace tb
