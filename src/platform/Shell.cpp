#include "platform/Shell.h"

#include "tallybell/Version.h"

#include <string_view>

namespace tb {

void OpenWebPage(Shell &shell, const std::string &address)
{
    shell.openAddress(address);
}

void OpenMailMessage(Shell &shell, const std::string &address)
{
    shell.openAddress(mailMessageAddress(address));
}

namespace {

// Keeps the characters a mailto address may carry as they are (unreserved characters and
// the delimiters allowed in its parts); everything else, '%', '?', '&', '=', '#', blanks,
// control characters and every byte above 127, is percent-encoded.
std::string percentEncoded(std::string_view text)
{
    constexpr std::string_view kept = "-._~!$'()*+,;:@";
    constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool alphanumeric = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')
            || (byte >= '0' && byte <= '9');
        if (alphanumeric || kept.find(c) != std::string_view::npos) {
            out += c;
        } else {
            out += '%';
            out += hex[byte >> 4];
            out += hex[byte & 0x0F];
        }
    }
    return out;
}

} // namespace

std::string mailMessageAddress(const std::string &address)
{
    const std::string subject = std::string(version::kProductName) + ' '
        + std::to_string(version::kMajor) + '.' + std::to_string(version::kMinor) + '.'
        + std::to_string(version::kRevision) + " Comment";
    return "mailto:" + percentEncoded(address) + "?subject=" + percentEncoded(subject);
}

} // namespace tb
