// The floor of Tallybell's own design: its two first windows, made from the same Designer
// forms with the same pictures and texts, and nothing behind them: no settings, no task list,
// no bus, no journal, no sound, no logic. The splash is shown for three seconds as the
// program shows it, then the main window. What this costs is what the windows a user sees
// cost in Qt; what Tallybell costs beyond it is the program's own (bench/compare.sh).
//
// Usage: bare-design

#include "tallybell/Version.h"
#include "ui_frmSplash.h"
#include "ui_frmmain.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    namespace v = tb::version;

    QWidget splash(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint);
    Ui::frmSplash splashUi;
    splashUi.setupUi(&splash);
    splashUi.imgLogo->setPixmap(
        QIcon(QStringLiteral(":/icons/splash.png")).pixmap(splashUi.imgLogo->maximumSize()));
    splashUi.lblProductName->setText(QString::fromUtf8(v::kProductName));
    splashUi.lblVersion->setText(QStringLiteral("Version %1").arg(QLatin1String(v::kVersionText)));
    splashUi.lblCompanyProduct->setText(QString::fromUtf8(v::kCompanyName));
    splashUi.lblCopyright->setText(QString::fromUtf8(v::kLegalNotice));
    splash.adjustSize();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        splash.move(screen->availableGeometry().center() - splash.rect().center());
    splash.show();

    QMainWindow window;
    Ui::frmmain windowUi;
    QTimer::singleShot(3000, &splash, [&] {
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tallybell.svg")));
        windowUi.setupUi(&window);
        windowUi.Picture2->setPixmap(
            QIcon(QStringLiteral(":/icons/picture2.svg")).pixmap(windowUi.Picture2->maximumSize()));
        windowUi.Imagemoveon->setIcon(QIcon(QStringLiteral(":/icons/moveon.svg")));
        // What the main window shows before a session, in its colours.
        windowUi.LabelAppTitle->setText(QString::fromUtf8(v::kProductName));
        windowUi.LabelAppTitle->setStyleSheet(QStringLiteral("color: #7a4a08;"));
        windowUi.lbltasklist->setText(QStringLiteral("tallywork"));
        windowUi.lbltaskof->setText(QStringLiteral("Start: task 1 of 5"));
        windowUi.lblStartFrom->setText(QStringLiteral("1"));
        windowUi.lblTimer->setText(QStringLiteral("06:00"));
        windowUi.lblTimer->setStyleSheet(QStringLiteral("color: #1f3f74;"));
        windowUi.txtmessage->setText(QStringLiteral("Warm up: gentle slurs and stretches."));
        windowUi.txtmessage->setStyleSheet(
            QStringLiteral("background: #fffdf5; color: #66615a; border: 1px solid #d8cfb8;"
                           " border-radius: 6px; padding: 10px;"));
        windowUi.lbljournal->setText(
            QStringLiteral("Sessions completed: 0 \u00b7 Today: 0 minutes"));
        windowUi.cmdstartstop->setText(QStringLiteral("&Start"));
        for (QWidget *hidden : {static_cast<QWidget *>(windowUi.Imagemoveon),
                                static_cast<QWidget *>(windowUi.linepaused),
                                static_cast<QWidget *>(windowUi.practiceprogress)})
            hidden->hide();
        splash.hide();
        window.show();
    });
    return QApplication::exec();
}
