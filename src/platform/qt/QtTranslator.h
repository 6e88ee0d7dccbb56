#pragma once

#include "platform/Translator.h"

#include <QString>

class QLocale;

namespace tb {

// The program's catalogues, as Qt has them installed.
class QtTranslator final : public Translator
{
public:
    std::string translate(const char *context, const char *source, const char *disambiguation,
                          int n) const override;
    std::string language() const override { return language_.toStdString(); }

    // Installs Qt's own catalogue (its dialogs and buttons) and the program's for the first
    // of `locale`'s languages that the program has; without one the program stays English.
    // Call once, before any window is made.
    void install(const QLocale &locale);

private:
    QString language_ = QStringLiteral("en");
};

} // namespace tb
