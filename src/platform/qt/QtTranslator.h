#pragma once

#include "platform/Translator.h"

namespace tb {

// The program's catalogues, as Qt has them installed.
class QtTranslator final : public Translator
{
public:
    std::string translate(const char *context, const char *source, const char *disambiguation,
                          int n) const override;
};

} // namespace tb
