#include "platform/Clock.h"
#include "platform/Random.h"
#include "platform/Shell.h"
#include "tallybell/Version.h"

#include <chrono>
#include <cstdint>
#include <string_view>

namespace tb {

std::int64_t SystemClock::now() const
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

StdRandom::StdRandom()
{
    std::random_device device;
    const auto time = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed {device(),
                        device(),
                        device(),
                        device(),
                        static_cast<unsigned>(time),
                        static_cast<unsigned>(time >> 32)};
    engine_.seed(seed);
}

int StdRandom::below(int n)
{
    if (n <= 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(engine_);
}

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
