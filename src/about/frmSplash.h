#pragma once

#include "about/SplashForm.h"

#include <QPointer>
#include <QWidget>

#include <chrono>
#include <memory>

class QEventLoop;
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

    // Shows the splash at once, before the next window is made, and returns once it has
    // been drawn: the program's first window. Its time starts now; a time up or a key before
    // handOverTo waits for the next window. A question the program asks meanwhile ends it,
    // so that the question is never hidden under it.
    void showFirst();
    // Shows the splash unless it is up already; when its time is up or a key is pressed it
    // hides and shows `next`.
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
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Window managers may give a splash no keyboard focus: a click ends it too.
    void mousePressEvent(QMouseEvent *event) override;

private:
    void showCentred();
    void watchForQuestions(bool watch);
    void finish();

    std::unique_ptr<Ui::frmSplash> ui;
    SplashForm logic_;
    QTimer *timer_;
    QPointer<QWidget> next_;
    QEventLoop *waiting_ = nullptr; // while showFirst waits for the first drawing
    bool watching_ = false; // for a question before handOverTo
    bool shown_ = false;
    bool drawn_ = false;
    bool ended_ = false; // its time is up, or a key or a click ended it
    bool finished_ = false;
};

} // namespace tb
