#include "app/qt/GuardedApplication.h"

#include "platform/MessageBox.h"
#include "tallybell/Version.h"

#include <exception>
#include <string>

namespace tb {

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        report(error.what());
    } catch (...) {
        report(QCoreApplication::translate("GuardedApplication", "an error of unknown kind")
                   .toStdString()
                   .c_str());
    }
    return false;
}

void GuardedApplication::report(const char *what)
{
    // The message's own events pass through here too: one report at a time.
    if (!messages_ || reporting_)
        return;
    reporting_ = true;
    try {
        messages_->show(QCoreApplication::translate(
                            "GuardedApplication",
                            "An unexpected error occurred:\r\n\r\n%1\r\n\r\nThe last action may "
                            "not have been completed. Your task lists and list files are as they "
                            "were last saved.")
                            .arg(QString::fromUtf8(what))
                            .toStdString(),
                        version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
    } catch (...) {
    }
    reporting_ = false;
}

} // namespace tb
