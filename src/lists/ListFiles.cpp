#include "lists/ListFiles.h"

#include "platform/SafeFile.h"
#include "text/Ascii.h"
#include "text/Encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace tb {
namespace {

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::string errorText(int error)
{
    return std::generic_category().message(error);
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Enough of a line to cut it as an item: a UTF-8 character straddling the cut ends at most
// three bytes past it.
constexpr std::size_t kKeptLineBytes = kMaxItemBytes + 3;

// Collects the items of a byte stream, one line at a time.
class ItemCollector
{
public:
    ItemCollector(std::vector<std::string> &items, std::size_t maxItems)
        : items_(items), maxItems_(maxItems)
    {
    }

    bool full() const { return items_.size() >= maxItems_; }

    // Feeds one chunk; stops early once the list is full.
    void feed(const char *data, std::size_t size)
    {
        if (!started_) {
            const std::size_t used = skipBom(data, size);
            data += used;
            size -= used;
        }
        if (started_)
            scan(data, size);
    }

    // Ends the last line at the end of the stream.
    void finish()
    {
        if (!started_) {
            started_ = true;
            scan(kUtf8Bom.data(), bomSeen_);
        }
        endLine();
    }

private:
    // Consumes what matches the byte order mark at the start of the stream, which may come
    // a byte at a time. Bytes that only began like one are text after all.
    std::size_t skipBom(const char *data, std::size_t size)
    {
        std::size_t used = 0;
        while (used < size && bomSeen_ < kUtf8Bom.size() && data[used] == kUtf8Bom[bomSeen_]) {
            ++used;
            ++bomSeen_;
        }
        if (bomSeen_ == kUtf8Bom.size()) {
            started_ = true;
        } else if (used < size) {
            started_ = true;
            scan(kUtf8Bom.data(), bomSeen_);
        }
        return used;
    }

    void scan(const char *data, std::size_t size)
    {
        const char *end = data + size;
        // The next CR and the next LF at or after `data`, each found once (memchr is much
        // faster than a byte loop on a huge line).
        const char *nextCr = nullptr;
        const char *nextLf = nullptr;
        auto next = [&](char c, const char *&cached) {
            if (!cached || cached < data) {
                const void *found = std::memchr(data, c, std::size_t(end - data));
                cached = found ? static_cast<const char *>(found) : end;
            }
            return cached;
        };
        while (data < end && !full()) {
            if (*data == '\r' || *data == '\n') {
                endLine();
                ++data;
                continue;
            }
            const char *stop = std::min(next('\r', nextCr), next('\n', nextLf));
            if (line_.empty()) {
                while (data < stop && *data == ' ')
                    ++data;
            }
            const auto length = std::size_t(stop - data);
            if (!holdsNul_)
                holdsNul_ = std::memchr(data, '\0', length) != nullptr;
            const std::size_t room = kKeptLineBytes - std::min(kKeptLineBytes, line_.size());
            line_.append(data, std::min(room, length));
            data = stop;
        }
    }

    void endLine()
    {
        if (!holdsNul_ && !full()) {
            line_.resize(utf8CutLength(line_, kMaxItemBytes));
            while (!line_.empty() && line_.back() == ' ')
                line_.pop_back();
            if (!line_.empty())
                items_.push_back(std::move(line_));
        }
        line_.clear();
        holdsNul_ = false;
    }

    std::vector<std::string> &items_;
    std::size_t maxItems_;
    std::string line_;
    bool holdsNul_ = false;
    bool started_ = false; // past the byte order mark, or sure there is none
    std::size_t bomSeen_ = 0;
};

} // namespace

std::string listFilePath(const std::string &programFolder, int listNumber)
{
    const std::string exact = "List" + std::to_string(listNumber) + ".txt";
    std::string found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(programFolder.empty() ? "." : programFolder, ec),
         end;
         !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name == exact)
            return joinPath(programFolder, name);
        // Several spellings: the smallest in byte order, so the choice does not depend on
        // the order of the folder's entries.
        if (equalsIgnoringAsciiCase(name, exact) && (found.empty() || name < found))
            found = name;
    }
    return joinPath(programFolder, found.empty() ? exact : found);
}

ListItems readRotationItemsFrom(const ChunkSource &source, std::size_t maxItems)
{
    ListItems result;
    result.status = ListReadStatus::Ok;
    ItemCollector collector(result.items, maxItems);
    char buffer[64 * 1024];
    while (!collector.full()) {
        const ssize_t got = source(buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            // Not reported to the user: the complete lines read so far are the list.
            result.errorText = errorText(errno);
            return result;
        }
        if (got == 0)
            break;
        collector.feed(buffer, std::size_t(got));
    }
    collector.finish();
    return result;
}

ListItems readRotationItems(const std::string &path, std::size_t maxItems)
{
    RegularFile file;
    const FileRead opened = openRegularFile(path, file);
    if (!opened.ok()) {
        ListItems failed;
        failed.status = opened.status == ReadStatus::Missing ? ListReadStatus::Missing
                                                             : ListReadStatus::Error;
        failed.errorText = opened.errorText;
        return failed;
    }
    return readRotationItemsFrom(
        [&file](char *buffer, std::size_t size) { return file.read(buffer, size); }, maxItems);
}

} // namespace tb
