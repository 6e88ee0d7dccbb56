#pragma once

#include "remote/PanelLook.h"

#include <QIcon>
#include <QObject>
#include <QPixmap>

class QAction;
class QMenu;
class QPalette;
class QSystemTrayIcon;
class QWidget;

namespace tb {

class MainForm;
class RemoteControl;

// The program's status icon in the desktop's panel (a StatusNotifierItem where the desktop
// has a host for one, else an X11 tray icon): the program's icon while stopped, the share
// of the task left as a ring around a small bell during a session, with the minutes left
// when they fit, and a pause mark while paused. Its menu holds the window's own commands,
// enabled as the window's buttons are; a left click brings the window forward, or hides it
// when it is in front.
class PanelIcon final : public QObject
{
    Q_OBJECT
public:
    PanelIcon(RemoteControl &remote, const MainForm &main, QWidget *window,
              QObject *parent = nullptr);
    ~PanelIcon() override;

    // Whether the desktop has a panel that shows status icons.
    static bool available();

    // After every event: the menu follows the window's buttons, and the icon and its tool
    // tip are drawn again when their look changed.
    void update();

    // The icon of `look` at `size` pixels, in the colours of `palette`.
    static QPixmap draw(const PanelLook &look, int size, const QPalette &palette);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void toggleWindow();
    void nameShowHide();

    RemoteControl &remote_;
    const MainForm &main_;
    QWidget *window_;
    QSystemTrayIcon *tray_;
    QMenu *menu_;
    QAction *startStop_;
    QAction *pause_;
    QAction *next_;
    QAction *showHide_;
    QAction *quit_;
    PanelLook shown_;
    bool drawn_ = false;
};

} // namespace tb
