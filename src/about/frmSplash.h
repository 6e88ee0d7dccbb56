#pragma once

#include "about/SplashForm.h"

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <memory>

class QTimer;

namespace Ui {
class frmSplash;
}

namespace tb {

// The start-up window: product, version and maker, shown in the middle of the screen for
// a few seconds (or until a key is pressed) while the main window waits hidden behind it.
class frmSplash final : public QWidget
{
    Q_OBJECT
public:
    explicit frmSplash(std::chrono::milliseconds showFor
                       = std::chrono::seconds(SplashForm::kShowSeconds),
                       QWidget *parent = nullptr);
    ~frmSplash() override;

    // Shows the splash; when its time is up or a key is pressed it hides and shows `next`.
    void handOverTo(QWidget *next);
    // True from handOverTo until the splash has gone.
    bool isUp() const { return next_ && !finished_; }
    // While the splash is up, what another start's raise request brings to the front: the
    // main window appears only when the splash goes.
    void bringToFront();

Q_SIGNALS:
    // The splash has gone and the next window is showing.
    void finished();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // Window managers may give a splash no keyboard focus: a click ends it too.
    void mousePressEvent(QMouseEvent *event) override;

private:
    void finish();

    std::unique_ptr<Ui::frmSplash> ui;
    SplashForm logic_;
    QTimer *timer_;
    QPointer<QWidget> next_;
    bool finished_ = false;
};

} // namespace tb
