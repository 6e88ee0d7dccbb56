#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tb {

// The texts a user reads, in the user's language. Every such text of the logic goes through
// trText with a literal context and source, so that the catalogue tools find it; a constant
// defined apart from its use is marked with TB_MARK and translated where it is used. What
// the files hold (section and key names, "True"/"False", file names) is never translated.
class Translator
{
public:
    virtual ~Translator() = default;
    // `source` of `context`, UTF-8; with `n` >= 0 the plural form for `n`, "%n" replaced by
    // it. Empty when the catalogue has no translation.
    virtual std::string translate(const char *context, const char *source,
                                  const char *disambiguation, int n) const = 0;
    // The language of the catalogue in use, as ISO 639 ("de"); "en" without one.
    virtual std::string language() const { return "en"; }
};

// Puts `translator` in force for its lifetime, then the one before. Without one, texts stay
// as written.
class ScopedTranslator
{
public:
    explicit ScopedTranslator(const Translator *translator);
    ~ScopedTranslator();
    ScopedTranslator(const ScopedTranslator &) = delete;
    ScopedTranslator &operator=(const ScopedTranslator &) = delete;

private:
    const Translator *previous_;
};

// `source` in the user's language. A plural source names the count as "%n" and its English
// plural as "(s)" ("%n day(s)"): untranslated, it reads "1 day", "2 days".
std::string trText(const char *context, const char *source, const char *disambiguation = nullptr,
                   long long n = -1);

// The language the texts are shown in: the translator's in force, else "en".
std::string uiLanguage();

// `text` with "%1", "%2", ... replaced by the arguments in turn (as a translation may order
// them otherwise than the English).
std::string fillIn(std::string text, std::initializer_list<std::string_view> args);

} // namespace tb

// Marks a text for the catalogues where it is defined apart from its use.
#define TB_MARK(context, source) source
