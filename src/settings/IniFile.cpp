#include "settings/IniFile.h"

#include "platform/SafeFile.h"
#include "settings/WriteFailures.h"
#include "text/Ascii.h"
#include "text/Encoding.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <utility>

namespace tb {
namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
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
    explicit LineScanner(std::string_view content) : LineScanner(content, contentStart(content)) { }

    // The lines from `from`, the beginning of a line, to the end of `content`.
    LineScanner(std::string_view content, std::size_t from) : content_(content), pos_(from)
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

// A line of a section that gives a key its value: "key = value", not a comment. `text` is
// the trimmed line, not empty and not a section line.
struct Entry {
    std::string_view key;
    std::string_view value; // trimmed
    std::size_t equals = 0; // of the "=" in `text`
};

std::optional<Entry> entryOf(std::string_view text)
{
    if (text.front() == ';')
        return std::nullopt;
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    return Entry {trim(text.substr(0, equals)), trim(text.substr(equals + 1)), equals};
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
            if (equalsIgnoringAsciiCase(*name, section)) {
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
        const auto entry = entryOf(text);
        if (!entry || !equalsIgnoringAsciiCase(entry->key, key))
            continue;
        const std::size_t textBegin = std::size_t(text.data() - content.data());
        where.keyFound = true;
        where.afterEquals = textBegin + entry->equals + 1;
        where.valueBegin = entry->value.empty() ? where.afterEquals
                                                : std::size_t(entry->value.data() - content.data());
        where.valueEnd = where.valueBegin + entry->value.size();
        where.lineEnd = line.end;
        break;
    }
    return where;
}

bool holdsLineBreak(std::string_view text)
{
    return text.find_first_of("\r\n") != std::string_view::npos;
}

// What a read gives for the stored value.
std::string shownValue(std::optional<std::string_view> stored, std::string_view defaultValue)
{
    std::string_view value = stored.value_or(std::string_view());
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    // A UTF-8 text is not cut inside a character, which would leave it invalid and shown as
    // another encoding; bytes that are not UTF-8 before the limit are cut at the limit.
    value = value.substr(0, utf8CutLength(value, kMaxIniValueBytes));
    return std::string(value.empty() ? defaultValue : value);
}

// FNV-1a of the name with ASCII letters folded, so that names that match hash alike.
std::uint32_t nameHash(std::string_view name)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : name) {
        hash ^= static_cast<unsigned char>(asciiLower(c));
        hash *= 16777619u;
    }
    return hash;
}

// The value of the first `key` among the lines `scanner` gives, which hold no section line.
std::optional<std::string_view> findEntry(std::string_view content, LineScanner &scanner,
                                          std::string_view key)
{
    Line line;
    while (scanner.next(line)) {
        const std::string_view text = trim(content.substr(line.begin, line.end - line.begin));
        if (text.empty())
            continue;
        if (const auto entry = entryOf(text); entry && equalsIgnoringAsciiCase(entry->key, key))
            return entry->value;
    }
    return std::nullopt;
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
    return shownValue(findIniValue(content, section, key), defaultValue);
}

IniIndex::IniIndex(std::string_view content) : content_(content)
{
    if (content.size() > std::numeric_limits<std::uint32_t>::max()) {
        indexed_ = false;
        return;
    }
    LineScanner scanner(content);
    Line line;
    while (scanner.next(line)) {
        const auto name = sectionName(trim(content.substr(line.begin, line.end - line.begin)));
        if (!name)
            continue;
        if (!sections_.empty())
            sections_.back().end = std::uint32_t(line.begin);
        sections_.push_back(
            {nameHash(*name), std::uint32_t(line.begin), std::uint32_t(content.size())});
    }
    // Of sections of the same name the first counts: equal hashes stay in file order.
    std::sort(sections_.begin(), sections_.end(), [](const Section &a, const Section &b) {
        return a.hash != b.hash ? a.hash < b.hash : a.begin < b.begin;
    });
}

std::optional<std::string_view> IniIndex::find(std::string_view section, std::string_view key) const
{
    if (!indexed_)
        return findIniValue(content_, section, key);
    section = trim(section);
    key = trim(key);
    const std::uint32_t hash = nameHash(section);
    auto it = std::lower_bound(sections_.begin(), sections_.end(), hash,
                               [](const Section &s, std::uint32_t h) { return s.hash < h; });
    for (; it != sections_.end() && it->hash == hash; ++it) {
        LineScanner scanner(content_.substr(0, it->end), it->begin);
        Line line;
        scanner.next(line);
        const std::string_view text = trim(content_.substr(line.begin, line.end - line.begin));
        if (equalsIgnoringAsciiCase(sectionName(text).value_or(std::string_view()), section))
            return findEntry(content_, scanner, key);
    }
    return std::nullopt;
}

namespace {

// The cache of parsed files. A file is taken as unchanged while stat gives the same device,
// inode, size, and modification and change times. A kept file's index takes at most three
// times its bytes (12 bytes for a section line of 4 or more).
constexpr std::size_t kKeptFiles = 4;
constexpr std::size_t kMaxKeptBytes = std::size_t(32) << 20;

struct KeptFile {
    std::string path;
    FileStamp stamp;
    bool settled = false;
    std::string bytes;
    std::optional<IniIndex> index; // made at the first lookup
    std::uint64_t lastUse = 0;
};

// A settings file as it is on disk now: kept and indexed, or read for one use only.
class FileView
{
public:
    FileView(KeptFile *kept, const FileRead &read) : kept_(kept), read_(read) { }

    bool ok() const { return kept_ != nullptr || read_.ok(); }
    ReadStatus status() const { return kept_ ? ReadStatus::Ok : read_.status; }
    const std::string &errorText() const { return read_.errorText; }
    std::string_view bytes() const { return kept_ ? std::string_view(kept_->bytes) : read_.bytes; }

    std::optional<std::string_view> find(std::string_view section, std::string_view key) const
    {
        if (!kept_)
            return findIniValue(read_.bytes, section, key);
        if (!kept_->index)
            kept_->index.emplace(kept_->bytes);
        return kept_->index->find(section, key);
    }

private:
    KeptFile *kept_;
    const FileRead &read_;
};

// The files read, each parsed once, so that a read of a file unchanged on disk costs a stat
// and a lookup in its index. One lock guards them. Nothing outside the engine is called
// while it is held: a listener may open a window whose events read settings again.
class KeptFiles
{
public:
    static KeptFiles &instance()
    {
        static KeptFiles files;
        return files;
    }

    // What `use` returns for the current view of `path`.
    template<typename Use> auto with(const std::string &path, Use use)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        FileRead read;
        KeptFile *const kept = current(path, read);
        return use(FileView(kept, read));
    }

private:
    KeptFile *current(const std::string &path, FileRead &read)
    {
        struct stat info {
        };
        if (systemCalls().stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)
            || std::uint64_t(info.st_size) > kMaxSettingsFileBytes) {
            drop(path);
            read = readRegularFile(path, kMaxSettingsFileBytes);
            return nullptr;
        }
        const FileStamp stamp = stampOf(info);
        KeptFile *kept = find(path);
        if (kept && kept->settled && sameStamp(kept->stamp, stamp)) {
            kept->lastUse = ++uses_;
            return kept;
        }
        // The clock is read before the bytes: a change after it stamps a later time.
        const std::optional<timespec> now = coarseNow();
        read = readRegularFile(path, kMaxSettingsFileBytes);
        if (!read.ok()) {
            drop(path);
            return nullptr;
        }
        if (kept && kept->bytes == read.bytes) {
            kept->stamp = stamp;
            kept->settled = stampSettled(stamp, now);
            kept->lastUse = ++uses_;
            return kept;
        }
        drop(path);
        auto file = std::make_unique<KeptFile>();
        file->path = path;
        file->stamp = stamp;
        file->settled = stampSettled(stamp, now);
        file->bytes = std::move(read.bytes);
        file->lastUse = ++uses_;
        makeRoomFor(file->bytes.size());
        files_.push_back(std::move(file));
        return files_.back().get();
    }

    KeptFile *find(const std::string &path) const
    {
        for (const auto &file : files_) {
            if (file->path == path)
                return file.get();
        }
        return nullptr;
    }

    void drop(const std::string &path)
    {
        std::erase_if(files_, [&](const auto &file) { return file->path == path; });
    }

    // The least recently used files give way to one of `size` bytes.
    void makeRoomFor(std::size_t size)
    {
        const auto keptBytes = [this] {
            std::size_t total = 0;
            for (const auto &file : files_)
                total += file->bytes.size();
            return total;
        };
        while (!files_.empty()
               && (files_.size() >= kKeptFiles || keptBytes() + size > kMaxKeptBytes)) {
            files_.erase(
                std::min_element(files_.begin(), files_.end(), [](const auto &a, const auto &b) {
                    return a->lastUse < b->lastUse;
                }));
        }
    }

    std::mutex mutex_;
    std::vector<std::unique_ptr<KeptFile>> files_;
    std::uint64_t uses_ = 0;
};

} // namespace

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
        return KeptFiles::instance().with(fileName, [&](const FileView &file) {
            return file.ok() ? shownValue(file.find(section, key), defaultValue)
                             : std::string(defaultValue);
        });
    } catch (const std::exception &) {
    }
    return std::string(defaultValue);
}

std::optional<std::string> iniReadRaw(std::string_view section, std::string_view key,
                                      const std::string &fileName)
{
    try {
        return KeptFiles::instance().with(fileName, [&](const FileView &file) {
            std::optional<std::string> value;
            if (file.ok()) {
                if (const auto stored = file.find(section, key))
                    value.emplace(*stored);
            }
            return value;
        });
    } catch (const std::exception &) {
    }
    return std::nullopt;
}

bool IniWrite(std::string_view section, std::string_view key, std::string_view value,
              const std::string &fileName)
{
    if (!isWritableIniEntry(section, key, value))
        return false;
    bool failed = false;
    std::string reason; // of a failure, told once the files are left
    bool written = false;
    try {
        written = KeptFiles::instance().with(fileName, [&](const FileView &file) {
            // Only a file that is not there may be created; one that cannot be read is left
            // alone.
            if (!file.ok() && file.status() != ReadStatus::Missing) {
                failed = true;
                reason = file.errorText();
                return false;
            }
            const IniEdit edit = setIniValue(file.bytes(), section, key, value);
            if (edit.status != IniEdit::Changed)
                return edit.status == IniEdit::Unchanged;
            // The parse kept is not replaced by one of the bytes written: nothing proves that
            // the file on disk after the rename is still this one, so the next access reads
            // it.
            FileWrite replaced = writeFileAtomically(fileName, edit.content);
            failed = !replaced.ok;
            reason = std::move(replaced.errorText);
            return replaced.ok;
        });
    } catch (const std::exception &e) {
        // The old file is whole: the replacement is made complete or not at all.
        failed = true;
        written = false;
        try {
            reason = e.what();
        } catch (const std::exception &) {
        }
    }
    if (failed)
        reportWriteFailure(fileName, reason);
    return written;
}

FileRead checkSettingsFile(const std::string &fileName)
{
    return checkReadableFile(fileName, kMaxSettingsFileBytes);
}

IniBatch::IniBatch(std::string fileName)
    : fileName_(std::move(fileName)), file_(readRegularFile(fileName_, kMaxSettingsFileBytes))
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
