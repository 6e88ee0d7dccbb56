#pragma once

#include "platform/qt/Text.h"
#include "session/Controls.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

namespace tb {

// Puts the captions and tool tips of `controls` on the labels and buttons of `window`
// that carry the same objectNames.
inline void showControlTexts(QWidget *window, const Controls &controls)
{
    for (const auto &[name, state] : controls) {
        auto *widget = window->findChild<QWidget *>(QString::fromStdString(name));
        if (!widget)
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget))
            label->setText(fromFileBytes(state.caption));
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->setText(fromFileBytes(state.caption));
        if (!state.toolTip.empty())
            widget->setToolTip(fromFileBytes(state.toolTip));
    }
}

} // namespace tb
