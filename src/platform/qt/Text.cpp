#include "platform/qt/Text.h"

#include "text/Encoding.h"

#include <QByteArray>

namespace tb {

QString fromFileBytes(const std::string &bytes)
{
    const std::string text = asUtf8(bytes);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toFileBytes(const QString &text)
{
    return text.toUtf8().toStdString();
}

} // namespace tb
