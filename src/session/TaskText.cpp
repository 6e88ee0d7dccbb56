#include "session/TaskText.h"

#include "lists/ListFiles.h"
#include "platform/Translator.h"
#include "settings/Conversions.h"
#include "text/Encoding.h"

#include <string_view>

namespace tb {
namespace {

bool replaceFirst(std::string &text, std::string_view placeholder, std::string_view replacement)
{
    const std::size_t position = text.find(placeholder);
    if (position == std::string::npos)
        return false;
    text.replace(position, placeholder.size(), replacement);
    return true;
}

} // namespace

namespace {

// The name of note `index` (0 to 6: A to G) as `style` names it, or as the user's language
// does when no style is chosen.
std::string noteName(int index, std::string style)
{
    if (style != TaskListFile::kNoteLetters && style != TaskListFile::kNoteGerman
        && style != TaskListFile::kNoteSolfege) {
        const std::string language = uiLanguage();
        style = language == "de"                                       ? TaskListFile::kNoteGerman
            : language == "fr" || language == "it" || language == "es" ? TaskListFile::kNoteSolfege
                                                                       : TaskListFile::kNoteLetters;
    }
    if (style == TaskListFile::kNoteSolfege) {
        // A to G: the spelling is the language's ("Ré" in French).
        static constexpr const char *names[] = {
            TB_MARK("NoteNames", "La"),  TB_MARK("NoteNames", "Si"), TB_MARK("NoteNames", "Do"),
            TB_MARK("NoteNames", "Re"),  TB_MARK("NoteNames", "Mi"), TB_MARK("NoteNames", "Fa"),
            TB_MARK("NoteNames", "Sol"),
        };
        return trText("NoteNames", names[index]);
    }
    if (style == TaskListFile::kNoteGerman && index == 1)
        return "H";
    return std::string(1, char('A' + index));
}

// The text of task `taskNumber` as getnexttask shows it; a preview writes nothing, draws no
// note and moves no list on.
std::string compose(std::int16_t taskNumber, const ListContext &context, bool preview,
                    std::string *listItem)
{
    if (listItem)
        listItem->clear();
    const TaskListFile &file = context.file;

    // A stored number beyond 16 bits is clamped: above 32767 it reads as 32767 and so
    // selects description1; below -32768 it reads as -32768 and selects the (normally
    // absent) "description-32768". Held in int, the next number cannot overflow.
    int alternate = file.alternateTask(taskNumber);
    if (alternate == 0 || alternate >= 10)
        alternate = 1;
    std::string text = file.description(taskNumber, alternate);
    if (text.empty()) {
        alternate = 1;
        text = file.description(taskNumber, 1);
    }
    // No such task: the end of the list, which leaves nothing behind in the file (no
    // section for a task that does not exist).
    if (text.empty())
        return text;
    if (!preview) {
        file.setStartTask(taskNumber);
        file.setAlternateTask(taskNumber, alternate + 1);
    }
    // The description and a list item may come from systems of different eras: each piece
    // is made UTF-8 on its own, so that neither spoils how the other reads.
    text = asUtf8(text);

    if (const std::size_t note = text.find("%note%"); note != std::string::npos) {
        if (preview)
            text.replace(note, 6, kUndrawnNote);
        else
            text.replace(note, 6, noteName(context.random.below(7), file.noteNames()));
    }

    if (!replaceFirst(text, "%CR%", "\r\n"))
        replaceFirst(text, "%NL%", "\r\n");

    // Only the first "%list" is examined; it counts when a digit 1 to 9 and "%" follow.
    const std::size_t list = text.find("%list");
    if (list != std::string::npos && list + 7 <= text.size() && text[list + 5] >= '1'
        && text[list + 5] <= '9' && text[list + 6] == '%') {
        const auto listNumber = std::int16_t(text[list + 5] - '0');
        if (!preview)
            checksong(listNumber, context);
        std::string item = file.currentItem(listNumber);
        // A list without a current item starts at its first at the next showing.
        if (preview && item.empty()) {
            const ListItems items
                = readRotationItems(listFilePath(context.programFolder, listNumber), 1);
            if (!items.items.empty())
                item = items.items.front();
        }
        if (item.empty()) {
            text.replace(list, 7,
                         fillIn(trText("TaskText", " ***Error List %1 contains no items *** "),
                                {numberToText(listNumber)}));
        } else {
            const std::string shown = asUtf8(item);
            text.replace(list, 7, " " + shown + " ");
            if (listItem)
                *listItem = shown;
        }
    }
    return text;
}

} // namespace

std::string getnexttask(std::int16_t taskNumber, const ListContext &context, std::string *listItem)
{
    return compose(taskNumber, context, false, listItem);
}

std::string previewtask(std::int16_t taskNumber, const ListContext &context)
{
    return compose(taskNumber, context, true, nullptr);
}

} // namespace tb
