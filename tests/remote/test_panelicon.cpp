// The panel icon's pixmaps as the adapter draws them: the ring shows the share of the task
// left, the pause and the minutes show.

#include "remote/qt/PanelIcon.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QtMath>

#include <gtest/gtest.h>

namespace tb::test {
namespace {

constexpr int kSize = 48;

// The colour of the ring's middle line at `degrees` clockwise from twelve o'clock.
QColor ringAt(const QImage &icon, double degrees)
{
    const double thickness = kSize / 7.0;
    const double radius = (kSize - thickness) / 2.0;
    const double angle = qDegreesToRadians(degrees);
    return icon.pixelColor(qRound(kSize / 2.0 + radius * std::sin(angle)),
                           qRound(kSize / 2.0 - radius * std::cos(angle)));
}

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
            + std::abs(a.blue() - b.blue())
        < 40
        && a.alpha() > 200;
}

TEST(PanelIcon, TheRingShowsTheTaskLeftAndTheIconsOfEachStateDiffer)
{
    const QPalette palette = QApplication::palette();
    const QColor highlight = palette.color(QPalette::Highlight);
    using S = PanelLook::State;
    const PanelLook looks[] = {{S::Stopped, 0, 0}, {S::Counting, 12, 8}, {S::Paused, 12, 8}};
    QImage icons[3];
    for (int i = 0; i < 3; ++i)
        icons[i] = PanelIcon::draw(looks[i], kSize, palette).toImage();

    // Three quarters left: from twelve o'clock round to nine, not the quarter before twelve.
    for (const double degrees : {20.0, 90.0, 180.0, 250.0})
        EXPECT_TRUE(near(ringAt(icons[1], degrees), highlight)) << degrees;
    EXPECT_FALSE(near(ringAt(icons[1], 315.0), highlight));
    EXPECT_FALSE(near(ringAt(icons[2], 90.0), highlight)) << "paused, the ring is greyed";
    EXPECT_NE(icons[0], icons[1]);
    EXPECT_NE(icons[1], icons[2]);
    EXPECT_NE(PanelIcon::draw({S::Counting, 12, 7}, kSize, palette).toImage(), icons[1])
        << "the minutes are written on the icon";
}

} // namespace
} // namespace tb::test
