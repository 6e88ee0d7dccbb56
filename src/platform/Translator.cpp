#include "platform/Translator.h"

#include <algorithm>
#include <atomic>
#include <climits>

namespace tb {
namespace {

std::atomic<const Translator *> inForce {nullptr};

void replaceAll(std::string &text, std::string_view what, std::string_view with)
{
    for (std::size_t at = text.find(what); at != std::string::npos;
         at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
}

// The source as English reads it: "%n" the count, "(s)" the plural ending.
std::string english(const char *source, int n)
{
    std::string text = source;
    if (n >= 0) {
        replaceAll(text, "%n", std::to_string(n));
        replaceAll(text, "(s)", n == 1 ? "" : "s");
    }
    return text;
}

} // namespace

ScopedTranslator::ScopedTranslator(const Translator *translator)
    : previous_(inForce.exchange(translator))
{
}

ScopedTranslator::~ScopedTranslator()
{
    inForce.store(previous_);
}

std::string trText(const char *context, const char *source, const char *disambiguation,
                   long long count)
{
    const int n = count < 0 ? -1 : static_cast<int>(std::min<long long>(count, INT_MAX));
    if (const Translator *translator = inForce.load()) {
        std::string translated = translator->translate(context, source, disambiguation, n);
        if (!translated.empty())
            return translated;
    }
    return english(source, n);
}

std::string uiLanguage()
{
    const Translator *translator = inForce.load();
    return translator ? translator->language() : "en";
}

std::string fillIn(std::string text, std::initializer_list<std::string_view> args)
{
    // From the last number down, so that "%1" does not take the start of "%10".
    for (std::size_t i = args.size(); i > 0; --i)
        replaceAll(text, "%" + std::to_string(i), *(args.begin() + static_cast<long>(i - 1)));
    return text;
}

} // namespace tb
