#pragma once

#include <QRect>
#include <QString>

class QLabel;

namespace tb {

// A label whose text changes often by a character or two, as a countdown's does once a
// second: a new text repaints only the characters that changed, so that the window system
// is sent a digit rather than the whole label.
void repaintChangedCharactersOnly(QLabel *label);

// Sets the text of a label; one marked above repaints only what changed when it can tell
// where that is, else all of itself as any label does.
void setLabelText(QLabel *label, const QString &text);

// Where the characters of `label` that differ between `before` and `after` are drawn: a
// single line of plain text of the same length and width, centred, in the label's font. An
// empty rectangle when the change is not of that kind.
QRect changedCharacters(const QLabel &label, const QString &before, const QString &after);

} // namespace tb
