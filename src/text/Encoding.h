#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tb {

// The files hold 8-bit text: UTF-8 from this program and newer systems, Windows-1252 from
// older ones. These helpers let the logic compose texts from pieces of either kind.

// The length of the longest prefix of `bytes` made of whole, well-formed UTF-8 characters
// (no overlong forms, no UTF-16 surrogates, nothing past U+10FFFF).
std::size_t validUtf8Length(std::string_view bytes);

inline bool isUtf8(std::string_view bytes)
{
    return validUtf8Length(bytes) == bytes.size();
}

// Windows-1252 bytes as UTF-8. Its five unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the C1 controls of the same value, as Windows decodes them and as the windows
// read a whole Windows-1252 text, so a piece shows the same either way.
std::string cp1252ToUtf8(std::string_view bytes);

// `bytes` kept when they are UTF-8, else read as Windows-1252: always valid UTF-8.
std::string asUtf8(std::string_view bytes);

// How many of the first `limit` bytes of `bytes` to keep so that a UTF-8 text is never cut
// inside a character: `limit`, or less when the bytes are valid UTF-8 up to a character
// that straddles the limit (it is dropped whole). Bytes that are not UTF-8 before the limit
// are cut at the limit. A character straddling the limit is seen only when its bytes past
// the limit are given too: pass at least `limit` + 3 bytes when there are as many.
std::size_t utf8CutLength(std::string_view bytes, std::size_t limit);

} // namespace tb
