#pragma once

#include "session/Controls.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>

class QActionGroup;
class QTimer;

namespace Ui {
class frmmain;
}

namespace tb {

class MainForm;

// The main window. It forwards every user event to its logic (MainForm) and then shows
// the logic's control description; it decides nothing itself. It is made hidden: the
// start-up shows it once the splash has gone.
class frmmain final : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmmain(MainForm &logic, QWidget *parent = nullptr);
    ~frmmain() override;

    // Shows what the logic's controls describe, touching only what changed since the last
    // call.
    void applyControls();

public Q_SLOTS:
    // Another start of the program wants this window: back from the task bar, to the front.
    void restoreAndRaise();

Q_SIGNALS:
    // Help > About: the about box lives in a later layer, so the shell opens it.
    void aboutRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    template<typename Handler> void forward(Handler &&handler);
    void connectEvents();
    bool keyPressed(QObject *watched, QKeyEvent *event);
    void unload();
    void quitProgram();
    QObject *target(const std::string &name);
    void apply(QObject *object, const std::string &name, const ControlState &state,
               const ControlState *before);

    std::unique_ptr<Ui::frmmain> ui;
    MainForm &logic_;
    QTimer *timemaintime_;
    QActionGroup *timeMenuGroup_;
    std::map<std::string, ControlState, std::less<>> shown_;
    std::map<std::string, QObject *, std::less<>> targets_;
    bool unloaded_ = false;
};

} // namespace tb
