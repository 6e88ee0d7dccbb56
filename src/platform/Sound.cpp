#include "platform/Sound.h"

#include "platform/SafeFile.h"
#include "platform/Translator.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace tb {
namespace {

// Chunks before the sound: the format, and a few of names, dates or tools. A file of
// countless empty chunks is no bell, and is not walked to its end.
constexpr int kMostChunks = 64;

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;

std::uint32_t littleEndian(const unsigned char *bytes, int count)
{
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

BellCheck noBell(std::string problem)
{
    BellCheck check;
    check.problem = std::move(problem);
    return check;
}

std::string wholeSeconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", seconds);
    return text;
}

// Bytes of sound a second, as the "fmt " chunk gives them; 0 when it describes no sound.
// PCM and float samples are counted from the rate and the frame size, which is what a
// player goes by; other encodings give their average.
std::uint64_t bytesPerSecond(const unsigned char *format)
{
    const std::uint32_t tag = littleEndian(format, 2);
    const std::uint32_t channels = littleEndian(format + 2, 2);
    const std::uint64_t rate = littleEndian(format + 4, 4);
    const std::uint32_t average = littleEndian(format + 8, 4);
    const std::uint32_t frame = littleEndian(format + 12, 2);
    if (channels == 0 || rate == 0)
        return 0;
    if (tag == kPcm || tag == kFloat || tag == kExtensible)
        return rate * frame;
    return average;
}

} // namespace

BellCheck checkBellFile(const std::string &path)
{
    RegularFile file;
    if (const FileRead opened = openRegularFile(path, file); !opened.ok())
        return noBell(opened.errorText);
    const auto size = std::uint64_t(file.info().st_size);

    unsigned char head[12];
    if (file.readAt(0, reinterpret_cast<char *>(head), sizeof head) != sizeof head
        || std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "WAVE", 4) != 0)
        return noBell(trText("Sound", "It is not a wave file."));

    std::uint64_t rate = 0; // bytes a second, once the format is known
    std::uint64_t at = sizeof head;
    for (int chunk = 0; chunk < kMostChunks; ++chunk) {
        unsigned char header[8];
        if (file.readAt(at, reinterpret_cast<char *>(header), sizeof header) != sizeof header)
            break;
        const std::string_view id(reinterpret_cast<const char *>(header), 4);
        const std::uint64_t length = littleEndian(header + 4, 4);
        const std::uint64_t body = at + sizeof header;
        if (id == "fmt ") {
            unsigned char format[16];
            const bool whole = length >= sizeof format
                && file.readAt(body, reinterpret_cast<char *>(format), sizeof format)
                    == sizeof format;
            rate = whole ? bytesPerSecond(format) : 0;
            if (rate == 0)
                return noBell(trText("Sound", "Its description of the sound is damaged."));
        } else if (id == "data") {
            if (rate == 0)
                return noBell(trText("Sound", "Its sound comes without a description of it."));
            if (length > size - body)
                return noBell(
                    trText("Sound", "It is cut short: it holds less sound than its header says."));
            if (length == 0)
                return noBell(trText("Sound", "It holds no sound."));
            const double seconds = double(length) / double(rate);
            if (seconds > kLongestBellSeconds)
                return noBell(fillIn(trText("Sound",
                                            "It lasts %1 seconds; a bell may last %2 "
                                            "seconds at most."),
                                     {wholeSeconds(seconds), wholeSeconds(kLongestBellSeconds)}));
            BellCheck bell;
            bell.ok = true;
            bell.seconds = seconds;
            return bell;
        }
        // Chunks are laid out on even offsets.
        at = body + length + (length & 1);
    }
    return noBell(trText("Sound", "It holds no sound."));
}

SoundPlayed PlaySoundFile(Sound &sound, bool soundCardOnSystem, const std::string &file)
{
    SoundPlayed result;
    if (!soundCardOnSystem || file.empty())
        return result;
    // The device checks the file again itself: it never hands one that is no bell on.
    sound.play(file);
    const BellCheck bell = checkBellFile(file);
    result.played = bell.ok;
    result.seconds = bell.ok ? bell.seconds : 0;
    result.problem = bell.problem;
    return result;
}

} // namespace tb
