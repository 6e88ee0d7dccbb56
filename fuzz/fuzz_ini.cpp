// Feeds arbitrary bytes to the settings file engine as the content of a settings file:
// reads of the sections and keys the bytes seem to hold, then a few writes one after the
// other, checking that each write reads back as written, changed its own line (or added
// its own lines) and nothing else, and that the index of the sections finds what a scan
// of the whole content finds. An exception from the engine ends the run as a crash.

#include "settings/IniFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

using namespace tb;

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c + 32) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The texts of the lines, without their line ends and without a leading byte-order mark.
std::vector<std::string_view> lines(std::string_view content)
{
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        content.remove_prefix(3);
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < content.size()) {
        std::size_t end = i;
        while (end < content.size() && !isLineBreak(content[end]))
            ++end;
        result.push_back(content.substr(i, end - i));
        if (end < content.size())
            end += (content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n')
                ? 2
                : 1;
        i = end;
    }
    return result;
}

using Pair = std::pair<std::string, std::string>;

// Section and key names as they appear in the bytes, plus a few that do not.
std::vector<Pair> candidatePairs(std::string_view content)
{
    std::vector<Pair> pairs;
    std::string section;
    for (std::string_view line : lines(content)) {
        if (pairs.size() >= 40)
            break;
        line = trim(line);
        if (line.empty())
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != 0 && close != std::string_view::npos) {
                section = std::string(line.substr(1, close - 1));
                pairs.emplace_back(section, "missing key");
                continue;
            }
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            pairs.emplace_back(section, std::string(line.substr(0, equals)));
    }
    pairs.emplace_back("New Section", "new key");
    pairs.emplace_back("", "");
    return pairs;
}

std::optional<std::string> stored(std::string_view content, const Pair &p)
{
    if (const auto value = findIniValue(content, p.first, p.second))
        return std::string(*value);
    return std::nullopt;
}

std::string upper(std::string s)
{
    for (char &c : s)
        c = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
    return s;
}

// The index finds each name, in any case, as the scan does.
void checkIndex(std::string_view content, const std::vector<Pair> &pairs)
{
    const IniIndex index(content);
    for (const Pair &p : pairs) {
        check(index.find(p.first, p.second) == findIniValue(content, p.first, p.second),
              "the index finds what the scan finds");
        check(index.find(upper(p.first), upper(p.second))
                  == findIniValue(content, upper(p.first), upper(p.second)),
              "the index finds what the scan finds, in other letter case");
    }
}

} // namespace

namespace {

// One write of `value` to `target` in `content`, checked. The file's bytes after it.
std::string writeAndCheck(const std::string &content, const std::vector<Pair> &pairs,
                          const Pair &target, const std::string &value)
{
    std::vector<std::optional<std::string>> before;
    before.reserve(pairs.size());
    for (const Pair &p : pairs)
        before.push_back(stored(content, p));

    const IniEdit edit = setIniValue(content, target.first, target.second, value);
    if (!isWritableIniEntry(target.first, target.second, value)) {
        check(edit.status == IniEdit::Refused, "a write that would forge lines is refused");
        return content;
    }
    check(edit.status != IniEdit::Refused, "a valid write is not refused");
    const std::string after = edit.status == IniEdit::Changed ? edit.content : content;

    check(findIniValue(after, target.first, target.second) == trim(value),
          "the written key reads back the written value");
    checkIndex(after, pairs);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const Pair &p = pairs[i];
        if (sameName(trim(p.first), trim(target.first))
            && sameName(trim(p.second), trim(target.second)))
            continue;
        check(stored(after, p) == before[i], "every other key reads the same after a write");
    }

    if (edit.status == IniEdit::Unchanged)
        return after;
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    check(std::string_view(after).starts_with(bom) == std::string_view(content).starts_with(bom),
          "a byte-order mark is kept, and none is added");

    const std::vector<std::string_view> old = lines(content);
    const std::vector<std::string_view> now = lines(after);
    if (stored(content, target)) {
        check(now.size() == old.size(), "an in-place write keeps the number of lines");
        std::size_t changed = 0;
        for (std::size_t i = 0; i < old.size(); ++i)
            changed += old[i] != now[i];
        check(changed == 1, "an in-place write changes one line");
    } else {
        check(now.size() == old.size() + 1 || now.size() == old.size() + 2,
              "a new key adds its line, and its section's line when new");
        const std::size_t added = now.size() - old.size();
        std::size_t head = 0;
        while (head < old.size() && old[head] == now[head])
            ++head;
        for (std::size_t i = head; i < old.size(); ++i)
            check(old[i] == now[i + added], "the lines after the new ones are the old ones");
    }

    const IniEdit again = setIniValue(after, target.first, target.second, value);
    check(again.status == IniEdit::Unchanged, "writing the same value again changes nothing");
    return after;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string content(reinterpret_cast<const char *>(data), size);
    const std::vector<Pair> pairs = candidatePairs(content);
    checkIndex(content, pairs);

    for (const Pair &p : pairs) {
        const std::string value = iniValueFromContent(content, p.first, p.second, "<default>");
        check(value == "<default>" || (!value.empty() && value.size() <= 254),
              "a read gives the default or at most 254 characters");
        check(value.find_first_of("\r\n") == std::string::npos || value == "<default>",
              "a value never spans lines");
    }

    // Three writes in a row: pairs chosen by the first bytes, values from the last bytes.
    for (std::size_t round = 0; round < 3; ++round) {
        const Pair &target
            = pairs[size > round ? data[round] % pairs.size() : round % pairs.size()];
        const std::size_t length = std::min<std::size_t>(size, 12);
        const std::size_t from = size - length;
        std::string value(reinterpret_cast<const char *>(data) + from, length - length * round / 3);
        // The file's own last bytes often end a line: keep line breaks in one round only, so
        // that the other writes are not all refused.
        if (round != 1)
            std::erase_if(value, [](char c) { return isLineBreak(c); });
        content = writeAndCheck(content, pairs, target, value);
    }
    return 0;
}
