#pragma once

#include <QFont>
#include <QMainWindow>
#include <QSize>

#include <functional>
#include <memory>

class QActionGroup;
class QTimer;

namespace Ui {
class frmmain;
}

namespace tb {

class ControlBinding;
class FormHost;

// The main window. It raises every user event on its logic (the program's MainForm) and
// then shows the logic's control description; it decides nothing itself. It is made
// hidden: the start-up shows it once the splash has gone.
class frmmain final : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmmain(FormHost &host, QWidget *parent = nullptr);
    ~frmmain() override;

    // Shows what the logic's controls describe, touching only what changed since the last
    // call.
    void applyControls();
    // The binding of the window to its logic.
    ControlBinding &binding() { return *binding_; }
    // Asked when the window is closed: true hides it (the program goes on in the panel)
    // instead of quitting.
    void setHideOnClose(std::function<bool()> hide) { hideOnClose_ = std::move(hide); }

public Q_SLOTS:
    // Another start of the program wants this window: back from the task bar, to the front.
    void restoreAndRaise();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool keyPressed(QObject *watched, QKeyEvent *event);
    // Colours for a light or a dark palette; the designed ones are for light.
    void applyColours();
    // Grows the timer and the task text with the window, from its designed size up.
    void fitToSize();
    void fitTaskText();
    // After the binding showed the logic's controls: a new task text is fitted.
    void fitNewTaskText();
    double growth() const;
    void unload();
    void quitProgram();

    std::unique_ptr<Ui::frmmain> ui;
    FormHost &host_;
    QTimer *timemaintime_;
    QActionGroup *timeMenuGroup_;
    ControlBinding *binding_ = nullptr;
    std::function<bool()> hideOnClose_;
    bool unloaded_ = false;
    int darkColours_ = -1;
    bool minimumHeld_ = false;
    QSize designSize_;
    QFont timerFont_;
    QFont textFont_;
    QString fittedText_;
};

} // namespace tb
