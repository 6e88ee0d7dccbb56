#include "platform/qt/QtTranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

void QtTranslator::install(const QLocale &locale)
{
    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("tallybell"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return;
    }
    QCoreApplication::installTranslator(own);
    language_ = QLocale(own->language()).name().section(u'_', 0, 0);
    // Qt's own texts (the buttons of its dialogs, its file dialog) in the same language.
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QLocale(own->language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

} // namespace tb
