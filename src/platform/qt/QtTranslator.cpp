#include "platform/qt/QtTranslator.h"

#include <QCoreApplication>
#include <QString>

namespace tb {

std::string QtTranslator::translate(const char *context, const char *source,
                                    const char *disambiguation, int n) const
{
    const QString translated = QCoreApplication::translate(context, source, disambiguation, n);
    // Qt gives an untranslated text back as it is: the caller's English reads it then.
    QString untranslated = QString::fromUtf8(source);
    if (n >= 0)
        untranslated.replace(QStringLiteral("%n"), QString::number(n));
    if (translated == untranslated)
        return {};
    return translated.toStdString();
}

} // namespace tb
