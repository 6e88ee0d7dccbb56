#include "platform/OpenSave.h"

#include <algorithm>

namespace tb {

namespace {

constexpr char kNul = '\0';

std::string trimBlanks(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The stored filter is a list of NUL-terminated texts, description then pattern, ended by
// an empty text, as the common dialogs read it.
std::vector<std::pair<std::string, std::string>> filterPairs(const std::string &stored)
{
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t pos = 0;
    auto next = [&] {
        const std::size_t end = std::min(stored.find(kNul, pos), stored.size());
        std::string text = stored.substr(pos, end - pos);
        pos = end + 1;
        return text;
    };
    while (pos < stored.size()) {
        std::string description = next();
        if (description.empty())
            break;
        std::string pattern = pos < stored.size() ? next() : std::string();
        pairs.emplace_back(std::move(description), std::move(pattern));
    }
    return pairs;
}

std::size_t nameStart(const std::string &path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? 0 : slash + 1;
}

} // namespace

clsOpenSave::clsOpenSave(FileChooser &chooser) : chooser_(chooser)
{
    setFilter("All Files (*.*)|*.*");
}

void clsOpenSave::setFilter(std::string_view filter)
{
    filter_.assign(filter);
    std::replace(filter_.begin(), filter_.end(), '|', kNul);
    for (int i = 0; i < 2; ++i) {
        if (!filter_.ends_with(std::string_view("\0\0", 2)))
            filter_ += kNul;
    }
}

std::string clsOpenSave::Filter() const
{
    std::string text = filter_;
    std::replace(text.begin(), text.end(), kNul, '|');
    for (int i = 0; i < 2; ++i) {
        if (text.ends_with('|'))
            text.pop_back();
    }
    return text;
}

FileChoice clsOpenSave::choiceFor(bool save) const
{
    FileChoice choice;
    choice.save = save;
    choice.title = DialogTitle;
    choice.folder = initdir;
    choice.filters = filterPairs(filter_);
    choice.filterIndex = FilterIndex;
    // The dialog reads the name buffer up to its first NUL.
    choice.fileName = FileName.substr(0, FileName.find(kNul));
    std::string_view ext = DefaultExt;
    if (ext.starts_with("*."))
        ext.remove_prefix(2);
    else if (ext.starts_with('.'))
        ext.remove_prefix(1);
    choice.defaultExt = ext;
    choice.mustExist = (FLAGS & OFN_FILEMUSTEXIST) != 0;
    choice.confirmOverwrite = (FLAGS & OFN_OVERWRITEPROMPT) != 0;
    choice.acceptLabel = AcceptLabel;
    return choice;
}

bool clsOpenSave::takeChosen(const FileChosen &chosen)
{
    const std::string &path = chosen.path;
    if (MaxFileSize < 0 || path.size() > static_cast<std::size_t>(MaxFileSize))
        return false;

    std::string file = FileName;
    if (file.size() < static_cast<std::size_t>(MaxFileSize) + 1)
        file.resize(static_cast<std::size_t>(MaxFileSize) + 1, kNul);
    file.replace(0, path.size() + 1, path + kNul);
    FileName = trimBlanks(file);

    const std::size_t start = nameStart(path);
    const std::string name = path.substr(start);
    std::string title = FileTitle + std::string(256, ' ');
    title.replace(0, std::min(name.size() + 1, title.size()), name + kNul);
    FileTitle = trimBlanks(title);

    const auto dot = name.rfind('.');
    FileExt = static_cast<std::int16_t>(dot == std::string::npos ? path.size() : start + dot + 1);
    FilterIndex = static_cast<std::int16_t>(chosen.filterIndex);
    return true;
}

DialogError clsOpenSave::show(bool save)
{
    const FileChosen chosen = chooser_.choose(choiceFor(save));
    if (chosen.accepted && takeChosen(chosen))
        return {};
    if (!CancelError)
        return {};
    return {kCancelError, "Run-time error", "Cancel was selected"};
}

DialogError clsOpenSave::ShowOpen()
{
    return show(false);
}

DialogError clsOpenSave::ShowSave()
{
    return show(true);
}

} // namespace tb
