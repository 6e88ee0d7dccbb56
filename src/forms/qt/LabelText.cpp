#include "forms/qt/LabelText.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVariant>

#include <algorithm>

namespace tb {
namespace {

constexpr const char *kChangedOnly = "tbRepaintChangedCharactersOnly";

} // namespace

void repaintChangedCharactersOnly(QLabel *label)
{
    label->setProperty(kChangedOnly, true);
}

QRect changedCharacters(const QLabel &label, const QString &before, const QString &after)
{
    if (before.size() != after.size() || before == after || label.textFormat() != Qt::PlainText
        || label.wordWrap() || label.margin() != 0 || label.indent() > 0
        || (label.alignment() & Qt::AlignHorizontal_Mask) != Qt::AlignHCenter
        || after.contains(u'\n') || before.contains(u'\n') || after.isRightToLeft()
        || before.isRightToLeft())
        return {};
    const QFontMetrics metrics(label.font());
    const int width = metrics.horizontalAdvance(after);
    if (metrics.horizontalAdvance(before) != width)
        return {};
    qsizetype first = 0;
    while (before[first] == after[first])
        ++first;
    qsizetype end = after.size();
    while (before[end - 1] == after[end - 1])
        --end;
    // A character more on either side: a kerning pair at the edge of the change moves its
    // glyphs, and a glyph may reach past its advance by the font's bearings.
    first = std::max<qsizetype>(first - 1, 0);
    end = std::min(end + 1, after.size());
    const int spill = std::max({-metrics.minLeftBearing(), -metrics.minRightBearing(), 0}) + 2;
    const QRect area = label.contentsRect();
    const int left = area.x() + (area.width() - width) / 2;
    const int from = left + metrics.horizontalAdvance(after.left(first)) - spill;
    const int to = left + metrics.horizontalAdvance(after.left(end)) + spill;
    return QRect(from, area.y(), to - from, area.height()) & label.rect();
}

void setLabelText(QLabel *label, const QString &text)
{
    if (!label->property(kChangedOnly).toBool() || !label->isVisible()
        || !label->updatesEnabled()) {
        label->setText(text);
        return;
    }
    const QRect changed = changedCharacters(*label, label->text(), text);
    if (changed.isEmpty()) {
        label->setText(text);
        return;
    }
    // A label repaints all of itself for a new text. With its updates held off during the
    // call it asks for nothing, and then only for the changed characters; switching the
    // attribute itself rather than setUpdatesEnabled() keeps that from repainting it all.
    label->setAttribute(Qt::WA_UpdatesDisabled, true);
    label->setText(text);
    label->setAttribute(Qt::WA_UpdatesDisabled, false);
    label->update(changed);
}

} // namespace tb
