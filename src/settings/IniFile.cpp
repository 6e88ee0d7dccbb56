#include "settings/IniFile.h"

#include "settings/SafeFile.h"

#include <algorithm>
#include <cstring>
#include <exception>

namespace tb {
namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
// The old readers had a buffer of 255 characters, one of them for the terminating NUL.
constexpr std::size_t maxValueLength = 254;
constexpr std::string_view lineEnd = "\r\n";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Names compare without regard to the case of ASCII letters; other bytes must be equal,
// since the file may be in any 8-bit encoding.
bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i]))
            return false;
    }
    return true;
}

std::size_t contentStart(std::string_view content)
{
    return content.starts_with(utf8Bom) ? utf8Bom.size() : 0;
}

// One line of the file: its text is [begin, end); `next` is past its own line end (CR LF,
// LF or CR), which is missing on a last line without one.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t next = 0;
    bool terminated = false;
};

class LineScanner
{
public:
    explicit LineScanner(std::string_view content) : content_(content), pos_(contentStart(content))
    {
        nextCr_ = find('\r');
        nextLf_ = find('\n');
    }

    bool next(Line &line)
    {
        if (pos_ >= content_.size())
            return false;
        // The next CR and the next LF are looked up with memchr and kept until passed, so
        // that a file with only one kind of line end is still scanned once.
        if (nextCr_ < pos_)
            nextCr_ = find('\r');
        if (nextLf_ < pos_)
            nextLf_ = find('\n');
        std::size_t i = std::min(nextCr_, nextLf_);
        line.begin = pos_;
        line.end = i;
        line.terminated = i < content_.size();
        if (line.terminated) {
            // CR LF is one line end; a CR that is the file's last byte is one on its own.
            const bool crLf
                = content_[i] == '\r' && i + 1 < content_.size() && content_[i + 1] == '\n';
            i += crLf ? 2u : 1u;
        }
        line.next = pos_ = i;
        return true;
    }

private:
    std::size_t find(char c) const
    {
        const void *hit = std::memchr(content_.data() + pos_, c, content_.size() - pos_);
        return hit ? std::size_t(static_cast<const char *>(hit) - content_.data())
                   : content_.size();
    }

    std::string_view content_;
    std::size_t pos_;
    std::size_t nextCr_ = 0;
    std::size_t nextLf_ = 0;
};

// A section line starts with "[" and names the text up to the last "]" on it.
std::optional<std::string_view> sectionName(std::string_view text)
{
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    const std::size_t close = text.rfind(']');
    if (close == 0 || close == std::string_view::npos)
        return std::nullopt;
    return trim(text.substr(1, close - 1));
}

struct Location {
    bool sectionFound = false;
    bool keyFound = false;
    std::size_t valueBegin = 0; // the trimmed value of the key line
    std::size_t valueEnd = 0;
    std::size_t afterEquals = 0; // just past the "=" of the key line
    std::size_t lineEnd = 0; // end of the key line's text, before its line end
    // Where a new key of the section goes: past the line end of its last line that is
    // not blank; `insertNeedsLineEnd` when that line is the file's last and has none.
    std::size_t insertAt = 0;
    bool insertNeedsLineEnd = false;
};

// One pass to the first `key` of the first `section` (names already trimmed); it stops
// at the key or at the end of that section.
Location locate(std::string_view content, std::string_view section, std::string_view key)
{
    Location where;
    bool inSection = false;
    LineScanner scanner(content);
    Line line;
    while (scanner.next(line)) {
        const std::string_view raw = content.substr(line.begin, line.end - line.begin);
        const std::string_view text = trim(raw);
        if (text.empty())
            continue;
        if (const auto name = sectionName(text)) {
            if (inSection)
                break;
            if (sameName(*name, section)) {
                inSection = where.sectionFound = true;
                where.insertAt = line.next;
                where.insertNeedsLineEnd = !line.terminated;
            }
            continue;
        }
        if (!inSection)
            continue;
        where.insertAt = line.next;
        where.insertNeedsLineEnd = !line.terminated;
        if (text.front() == ';')
            continue;
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos || !sameName(trim(text.substr(0, equals)), key))
            continue;
        const std::size_t textBegin = std::size_t(text.data() - content.data());
        const std::string_view value = trim(text.substr(equals + 1));
        where.keyFound = true;
        where.afterEquals = textBegin + equals + 1;
        where.valueBegin
            = value.empty() ? where.afterEquals : std::size_t(value.data() - content.data());
        where.valueEnd = where.valueBegin + value.size();
        where.lineEnd = line.end;
        break;
    }
    return where;
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

std::optional<std::string_view> findIniValue(std::string_view content, std::string_view section,
                                             std::string_view key)
{
    const Location where = locate(content, trim(section), trim(key));
    if (!where.keyFound)
        return std::nullopt;
    return content.substr(where.valueBegin, where.valueEnd - where.valueBegin);
}

std::string iniValueFromContent(std::string_view content, std::string_view section,
                                std::string_view key, std::string_view defaultValue)
{
    std::string_view value = findIniValue(content, section, key).value_or(std::string_view());
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    value = value.substr(0, maxValueLength);
    return std::string(value.empty() ? defaultValue : value);
}

bool isWritableIniEntry(std::string_view section, std::string_view key, std::string_view value)
{
    if (holdsLineBreak(section) || holdsLineBreak(key) || holdsLineBreak(value))
        return false;
    if (key.find('=') != std::string_view::npos)
        return false;
    const std::string_view name = trim(key);
    return name.empty() || (name.front() != '[' && name.front() != ';');
}

IniEdit setIniValue(std::string_view content, std::string_view section, std::string_view key,
                    std::string_view value)
{
    IniEdit edit;
    if (!isWritableIniEntry(section, key, value))
        return edit;
    section = trim(section);
    key = trim(key);

    const Location where = locate(content, section, key);
    std::string &out = edit.content;
    if (where.keyFound) {
        const std::string_view stored
            = content.substr(where.valueBegin, where.valueEnd - where.valueBegin);
        if (stored == value) {
            edit.status = IniEdit::Unchanged;
            return edit;
        }
        // The value replaces the rest of the line. The blanks after "=" stay unless the
        // new value brings its own, so that rewriting the same value changes nothing.
        const std::size_t from
            = (!value.empty() && isBlank(value.front())) ? where.afterEquals : where.valueBegin;
        out.reserve(content.size() + value.size());
        out.append(content.substr(0, from));
        out.append(value);
        out.append(content.substr(where.lineEnd));
    } else if (where.sectionFound) {
        out.reserve(content.size() + key.size() + value.size() + 5);
        out.append(content.substr(0, where.insertAt));
        if (where.insertNeedsLineEnd)
            out.append(lineEnd);
        out.append(key).append("=").append(value).append(lineEnd);
        out.append(content.substr(where.insertAt));
    } else {
        out.reserve(content.size() + section.size() + key.size() + value.size() + 9);
        out.append(content);
        if (content.size() > contentStart(content) && !isLineBreak(content.back()))
            out.append(lineEnd);
        out.append("[").append(section).append("]").append(lineEnd);
        out.append(key).append("=").append(value).append(lineEnd);
    }
    edit.status = out == content ? IniEdit::Unchanged : IniEdit::Changed;
    return edit;
}

std::string IniRead(std::string_view section, std::string_view key, const std::string &fileName,
                    std::string_view defaultValue)
{
    // No file, however large or strange, may end the program: a read that cannot be done
    // (memory exhausted by a huge file, say) gives the default like a missing file.
    try {
        const FileRead file = readRegularFile(fileName);
        if (file.ok())
            return iniValueFromContent(file.bytes, section, key, defaultValue);
    } catch (const std::exception &) {
    }
    return std::string(defaultValue);
}

std::optional<std::string> iniReadRaw(std::string_view section, std::string_view key,
                                      const std::string &fileName)
{
    try {
        const FileRead file = readRegularFile(fileName);
        if (!file.ok())
            return std::nullopt;
        if (const auto value = findIniValue(file.bytes, section, key))
            return std::string(*value);
    } catch (const std::exception &) {
    }
    return std::nullopt;
}

bool IniWrite(std::string_view section, std::string_view key, std::string_view value,
              const std::string &fileName)
{
    if (!isWritableIniEntry(section, key, value))
        return false;
    try {
        const FileRead file = readRegularFile(fileName);
        // Only a file that is not there may be created; one that cannot be read is left
        // alone.
        if (!file.ok() && file.status != ReadStatus::Missing)
            return false;
        const IniEdit edit = setIniValue(file.bytes, section, key, value);
        if (edit.status == IniEdit::Refused)
            return false;
        if (edit.status == IniEdit::Unchanged)
            return true;
        return bool(writeFileAtomically(fileName, edit.content));
    } catch (const std::exception &) {
        // The old file is whole: the replacement is made complete or not at all.
        return false;
    }
}

IniBatch::IniBatch(std::string fileName)
    : fileName_(std::move(fileName)), file_(readRegularFile(fileName_))
{
}

std::string IniBatch::read(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const
{
    return iniValueFromContent(file_.bytes, section, key, defaultValue);
}

bool IniBatch::write(std::string_view section, std::string_view key, std::string_view value)
{
    // Only a file that is not there may be created; one that cannot be read is left alone.
    if (!file_.ok() && file_.status != ReadStatus::Missing)
        return false;
    IniEdit edit = setIniValue(file_.bytes, section, key, value);
    if (edit.status == IniEdit::Refused)
        return false;
    if (edit.status == IniEdit::Changed) {
        file_.bytes = std::move(edit.content);
        changed_ = true;
    }
    return true;
}

FileWrite IniBatch::commit()
{
    if (!file_.ok() && file_.status != ReadStatus::Missing) {
        FileWrite failed;
        failed.error = file_.error;
        failed.errorText = file_.errorText;
        return failed;
    }
    if (!changed_) {
        FileWrite unchanged;
        unchanged.ok = true;
        return unchanged;
    }
    FileWrite written = writeFileAtomically(fileName_, file_.bytes);
    if (written)
        changed_ = false;
    return written;
}

} // namespace tb
