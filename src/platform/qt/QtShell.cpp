#include "platform/qt/QtShell.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QUrl>

namespace tb {

namespace {

QUrl strictUrl(const std::string &address)
{
    return QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::StrictMode);
}

} // namespace

bool QtShell::isOpenable(const std::string &address)
{
    const QUrl url = strictUrl(address);
    if (!url.isValid())
        return false;
    const QString scheme = url.scheme();
    if (scheme == QLatin1String("mailto"))
        return true;
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

void QtShell::openAddress(const std::string &address)
{
    if (isOpenable(address))
        QDesktopServices::openUrl(strictUrl(address));
}

} // namespace tb
