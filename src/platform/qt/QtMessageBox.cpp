#include "platform/qt/QtMessageBox.h"

#include "platform/qt/Text.h"

#include <QApplication>
#include <QMessageBox>

namespace tb {

namespace {

QMessageBox::Icon qtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
};

ButtonSet qtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MsgButtons::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No};
    case MsgButtons::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel,
                QMessageBox::Cancel};
    case MsgButtons::Ok:
        break;
    }
    return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

} // namespace

MsgResult QtMessageBox::show(const std::string &text, const std::string &caption, MsgIcon icon,
                             MsgButtons buttons)
{
    const ButtonSet set = qtButtons(buttons);
    QString shownText = fromFileBytes(text);
    shownText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shownText.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox box(qtIcon(icon), fromFileBytes(caption), shownText, set.buttons,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(set.defaultButton);
    box.setEscapeButton(set.escapeButton);
    box.exec();

    // Closing the box by its title bar counts as its escape button.
    QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    if (clicked == QMessageBox::NoButton)
        clicked = set.escapeButton;
    switch (clicked) {
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    default:
        return MsgResult::Ok;
    }
}

void QtMessageBox::beep()
{
    QApplication::beep();
}

} // namespace tb
