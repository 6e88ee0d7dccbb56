#pragma once

#include "lists/Rotation.h"

#include <cstdint>
#include <string>

namespace tb {

// Composes the text shown for task `taskNumber`: records the task as the point where the
// next session resumes, picks this time's alternate description and advances the choice,
// then fills the first "%note%" (a note letter A to G), the first "%CR%" (or, when there is
// none, the first "%NL%") and the first "%listN%" (list N's current item, after `checksong`
// has rotated it). Each kind of placeholder is replaced at most once. The text is UTF-8:
// the description and the list item are each kept when UTF-8, else read as Windows-1252.
// An empty text means there is no such task: the end of the task list; nothing is written
// then. When `listItem` is given, it receives the list item put into the text (UTF-8), or
// nothing.
std::string getnexttask(std::int16_t taskNumber, const ListContext &context,
                        std::string *listItem = nullptr);

// The text task `taskNumber` would show, for a look ahead: it writes nothing, moves no
// alternate and no list on, and shows a note placeholder as kUndrawnNote. A list without a
// current item shows its first item, as its first showing would.
std::string previewtask(std::int16_t taskNumber, const ListContext &context);

// Where a preview shows the note that is drawn when the task is shown: a musical note sign.
inline constexpr const char *kUndrawnNote = "\u266A";

} // namespace tb
