#pragma once

// The pieces of a wave file, for tests that make their own.

#include <cstdint>
#include <string>

namespace tb::test {

inline std::string littleEndian(std::uint64_t value, int bytes)
{
    std::string text;
    for (int i = 0; i < bytes; ++i)
        text += char(value >> (8 * i) & 0xFF);
    return text;
}

inline std::string chunk(const std::string &id, std::uint64_t length, const std::string &body = "")
{
    return id + littleEndian(length, 4) + body;
}

inline std::string riff(const std::string &chunks, const char *kind = "WAVE")
{
    return "RIFF" + littleEndian(4 + chunks.size(), 4) + kind + chunks;
}

// The description of PCM (tag 1) or float (tag 3) samples.
inline std::string waveFormat(int tag, int channels, int rate, int bits)
{
    const int frame = channels * bits / 8;
    return chunk(
        "fmt ", 16,
        littleEndian(std::uint64_t(tag), 2) + littleEndian(std::uint64_t(channels), 2)
            + littleEndian(std::uint64_t(rate), 4) + littleEndian(std::uint64_t(rate * frame), 4)
            + littleEndian(std::uint64_t(frame), 2) + littleEndian(std::uint64_t(bits), 2));
}

} // namespace tb::test
