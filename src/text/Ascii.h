#pragma once

#include <cstddef>
#include <string_view>

namespace tb {

// Names in the files (sections, keys, list file names, the store's types) match without
// regard to the case of ASCII letters only: the files may be in any 8-bit encoding, whose
// other bytes must be equal.

constexpr char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

constexpr bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size()
        && equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

} // namespace tb
