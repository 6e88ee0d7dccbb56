#include "lists/Rotation.h"

#include "lists/ListFiles.h"
#include "platform/Translator.h"
#include "settings/Conversions.h"
#include "tallybell/Version.h"

#include <vector>

namespace tb {
namespace {

// The position of the item line holding the current item: the last line that contains
// it (an empty current item is in every line), 0 when none does.
std::size_t currentPosition(const std::vector<std::string> &items, const std::string &current)
{
    std::size_t position = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].find(current) != std::string::npos)
            position = i;
    }
    return position;
}

std::string orderedChoice(const std::vector<std::string> &items, std::size_t position)
{
    if (items.empty())
        return {};
    return position + 1 >= items.size() ? items.front() : items[position + 1];
}

// Uniform among the items other than the current one, in a single draw (the same
// distribution as drawing again until it differs, but certain to end). A list of one
// item keeps that item; an empty list keeps the current item.
std::string randomChoice(const std::vector<std::string> &items, std::size_t position,
                         const std::string &current, Random &random)
{
    if (items.empty())
        return current;
    if (items.size() == 1)
        return items.front();
    auto drawn = std::size_t(random.below(int(items.size()) - 1));
    if (drawn >= position)
        ++drawn;
    return items[drawn];
}

} // namespace

void checksong(std::int16_t listNumber, const ListContext &context)
{
    const TaskListFile &file = context.file;
    const std::string current = file.currentItem(listNumber);
    const bool randomChange = file.randomChange(listNumber);
    // Each read is clamped to 16 bits; the sum is taken in int so that it cannot overflow.
    const int interval = file.changeInterval(listNumber);
    const int lastChange = file.lastChangeSession(listNumber);
    const int completed = file.sessionsCompleted();

    if (lastChange + interval > completed && !current.empty())
        return;

    const std::string path = listFilePath(context.programFolder, listNumber);
    const ListItems list = readRotationItems(path);
    if (list.status == ListReadStatus::Missing)
        return;
    if (list.status == ListReadStatus::Error) {
        context.messages.show(fillIn(trText("ListEditorForm",
                                            "A disk error has occurred trying "
                                            "to open the song list\r\n\r\n%1"
                                            "\r\n\r\n%2"),
                                     {path, list.errorText}),
                              version::kProductName, MsgIcon::Critical, MsgButtons::Ok);
        return;
    }

    const std::size_t position = currentPosition(list.items, current);
    const std::string chosen = randomChange
        ? randomChoice(list.items, position, current, context.random)
        : orderedChoice(list.items, position);

    file.setCurrentItem(listNumber, chosen);
    file.setLastChangeSession(listNumber, numberToText(completed));
}

} // namespace tb
