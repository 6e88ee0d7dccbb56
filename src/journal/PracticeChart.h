#pragma once

#include "journal/Journal.h"

#include <QStringList>
#include <QWidget>

#include <vector>

namespace tb {

// Minutes per day as bars, oldest on the left, over a scale of round minutes. Painted in the
// colours of the palette, so it reads in light and dark themes alike; a bar's day and
// minutes show as its tool tip. Dates are written as the widget's locale writes them.
class PracticeChart final : public QWidget
{
    Q_OBJECT
public:
    explicit PracticeChart(QWidget *parent = nullptr);

    void setDays(const std::vector<DayPractice> &days);
    // The dates written under the bars, oldest first: every seventh day counting back from
    // the last, the others empty.
    const QStringList &dayMarks() const { return marks_; }

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
    QStringList marks_;
};

} // namespace tb
