#!/usr/bin/env python3
"""Plants small faults in the program, one at a time, and tells which of them the tests catch.

Each fault is a one-place edit of a source file: a boundary moved by one, a condition
dropped, a write left out, a rounding rule changed. Those marked "fix" undo a fault that
was mended once, so that every such mend keeps a test that fails without it.

The working tree is copied to <work>/tree (build folders and .git left out) and built in
<work>/build; the tree itself is never touched. For each fault: plant it, build, run the fast
tests (stopping at the first failure), and only when all of them pass, the slow ones
(end-to-end and sound over a real server). A fault is caught when a test fails or times out.

    scripts/planted-faults.py [--work DIR] [--only ID,ID...] [--area AREA] [--fast-only] [--list]
    scripts/planted-faults.py --plant ID | --remove ID    (in this tree; remove only what
                                                           was planted, or use git checkout)
    scripts/planted-faults.py --map docs/planted-faults.md

Writes <work>/results.tsv and prints a table; exits 1 when a fault slips through. With --map
the fast tests run to their end for every fault and FILE gets, for each fault, every
GoogleTest case that failed (or, for a fault only the slow tests catch, the CTest test).
"""
import argparse
import dataclasses
import os
import pathlib
import re
import shutil
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
SLOW_TESTS = r"^(e2e_.*|test_sound_pulseaudio)$"


@dataclasses.dataclass
class Fault:
    id: str
    area: str
    file: str
    old: str
    new: str
    what: str
    fix: str = ""  # the commit whose mend this fault undoes


F = Fault
FAULTS = [
    # --- settings engine
    F("ini-section-bracket", "settings", "src/settings/IniFile.cpp",
      "const std::size_t close = text.rfind(']');", "const std::size_t close = text.find(']');",
      "a section name ends at its first ']'", "559507f"),
    F("ini-cr-last-byte", "settings", "src/settings/IniFile.cpp",
      "= content_[i] == '\\r' && i + 1 < content_.size() && content_[i + 1] == '\\n';",
      "= content_[i] == '\\r' && i + 1 == nextLf_;",
      "a CR as the file's last byte is taken for CR LF", "58772c3"),
    F("ini-comment", "settings", "src/settings/IniFile.cpp",
      "if (text.front() == ';')", "if (false)", "a ';' comment line counts as an entry"),
    F("ini-value-length", "settings", "src/settings/IniFile.h",
      "inline constexpr std::size_t kMaxIniValueBytes = 254;",
      "inline constexpr std::size_t kMaxIniValueBytes = 255;", "a read gives 255 bytes, not 254"),
    F("ini-utf8-cut", "settings", "src/text/Encoding.cpp",
      "        --cut;\n    return cut;", "        --cut;\n    return limit;",
      "a long value is cut inside a UTF-8 character", "16f9125"),
    F("ini-quotes", "settings", "src/settings/IniFile.cpp",
      "&& value.back() == value.front()) {", ") {",
      "a value that only begins with a quote loses its ends"),
    F("ini-case", "settings", "src/text/Ascii.h",
      "char asciiLower(char c)\n{\n    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;",
      "char asciiLower(char c)\n{\n    return c;", "names compare with case"),
    F("ini-insert-line-end", "settings", "src/settings/IniFile.cpp",
      "        if (where.insertNeedsLineEnd)\n            out.append(lineEnd);\n", "",
      "a key added after a last line without line end joins that line"),
    F("ini-unreadable-kept", "settings", "src/settings/IniFile.cpp",
      "if (!file.ok() && file.status() != ReadStatus::Missing) {", "if (false) {",
      "a write replaces a file it could not read"),
    F("ini-cache-stamp", "settings", "src/settings/IniFile.cpp",
      "if (kept && kept->settled && sameStamp(kept->stamp, stamp)) {",
      "if (kept && kept->settled) {", "a kept parse outlives a change on disk"),
    F("ini-cache-settled", "settings", "src/platform/SafeFile.cpp",
      "return newest <= clock - step || newest > clock + 2 * second;", "return true;",
      "a stamp from the current clock step is trusted"),
    F("ini-first-section", "settings", "src/settings/IniFile.cpp",
      "return a.hash != b.hash ? a.hash < b.hash : a.begin < b.begin;",
      "return a.hash != b.hash ? a.hash < b.hash : a.begin > b.begin;",
      "of two sections of one name the last counts"),
    F("safe-fsync", "settings", "src/platform/SafeFile.cpp",
      "if (!writeAll(sys, fd, bytes) || sys.fsync(fd) != 0) {", "if (!writeAll(sys, fd, bytes)) {",
      "a failed fsync is taken for a written file"),
    F("safe-mode", "settings", "src/platform/SafeFile.cpp",
      "        sys.fchmod(fd, *keptMode);\n", "", "a replaced file loses its permissions"),
    F("safe-stale-temps", "settings", "src/platform/SafeFile.cpp",
      "    removeStaleTemporaryFiles(folder, name);\n", "",
      "temporary files of killed saves stay", "527952b"),
    F("safe-older-staging", "settings", "src/platform/SafeFile.cpp",
      'if (!suffix.ends_with(".new"))', "if (true)",
      "the staged copies of earlier versions' first starts stay"),
    F("ini-size-limit", "settings", "src/platform/SafeFile.cpp",
      "return info.st_size > 0 && std::uint64_t(info.st_size) > maxBytes;", "return false;",
      "a huge file is read at every setting read"),
    F("conv-half-even", "settings", "src/settings/Conversions.cpp",
      "const double rounded = std::nearbyint(std::clamp(value, -32768.0, 32767.0));",
      "const double rounded = std::round(std::clamp(value, -32768.0, 32767.0));",
      "halves round away from zero"),
    F("conv-clamp", "settings", "src/settings/Conversions.cpp",
      "const double rounded = std::nearbyint(std::clamp(value, -32768.0, 32767.0));",
      "const double rounded = std::nearbyint(std::clamp(value, -32768.0, 65535.0));",
      "numbers above 16 bits wrap"),
    F("conv-bool-whole", "settings", "src/settings/Conversions.cpp",
      "number && rest.empty())", "number)", "\"1abc\" reads as true"),
    F("date-leap", "settings", "src/settings/DateText.cpp",
      "return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;", "return y % 4 == 0;",
      "1900 is a leap year"),
    F("reg-error-once", "settings", "src/settings/Registry.cpp",
      "if (!errorShown_) {", "if (true) {", "the store's error is shown at every write",
      "b404be3"),
    F("reg-error-where", "settings", "src/settings/Registry.cpp",
      '"\\r\\n\\r\\n" + where + reason,', '"",',
      "the store's error says neither where nor why"),
    # --- rotation, list files, task text
    F("rot-interval", "lists", "src/lists/Rotation.cpp",
      "if (lastChange + interval > completed && !current.empty())",
      "if (lastChange + interval >= completed && !current.empty())",
      "the item changes one session late"),
    F("rot-empty-current", "lists", "src/lists/Rotation.cpp",
      "if (lastChange + interval > completed && !current.empty())",
      "if (lastChange + interval > completed)", "an empty current item waits for the interval"),
    F("rot-wrap", "lists", "src/lists/Rotation.cpp",
      "? items.front() : items[position + 1];", "? items.back() : items[position + 1];",
      "the ordered choice does not wrap to the first item"),
    F("rot-random-skip", "lists", "src/lists/Rotation.cpp",
      "if (drawn >= position)", "if (drawn > position)",
      "the random choice may draw the current item"),
    F("rot-last-change", "lists", "src/lists/Rotation.cpp",
      "    file.setLastChangeSession(listNumber, numberToText(completed));\n", "",
      "the session of the change is not stored"),
    F("rot-last-line", "lists", "src/lists/Rotation.cpp",
      "            position = i;", "            position = position ? position : i;",
      "the current item is found at its first line, not its last"),
    F("list-nul", "lists", "src/lists/ListFiles.cpp",
      "if (!holdsNul_ && !full()) {", "if (!full()) {", "a line holding NUL is an item",
      "2ee11e0"),
    F("list-utf8-cut", "lists", "src/lists/ListFiles.cpp",
      "line_.resize(utf8CutLength(line_, kMaxItemBytes));",
      "line_.resize(std::min(line_.size(), kMaxItemBytes));",
      "a long item is cut inside a UTF-8 character", "2ee11e0"),
    F("list-leading-blanks", "lists", "src/lists/ListFiles.cpp",
      "while (data < stop && *data == ' ')", "while (false)", "leading blanks stay in an item"),
    F("text-alternate-wrap", "session", "src/session/TaskText.cpp",
      "if (alternate == 0 || alternate >= 10)", "if (alternate == 0 || alternate > 10)",
      "description 10 is asked for"),
    F("text-note-range", "session", "src/session/TaskText.cpp",
      "noteName(context.random.below(7), file.noteNames())",
      "noteName(context.random.below(8), file.noteNames())", "a note beyond G may be drawn"),
    F("text-nl", "session", "src/session/TaskText.cpp",
      'if (!replaceFirst(text, "%CR%", "\\r\\n"))\n        replaceFirst(text, "%NL%", "\\r\\n");',
      'replaceFirst(text, "%CR%", "\\r\\n");', "%NL% is not a line break"),
    F("text-list-digit", "session", "src/session/TaskText.cpp",
      "text[list + 5] >= '1'", "text[list + 5] >= '0'", "%list0% names a list"),
    # --- the session
    F("ses-delay-rounding", "session", "src/session/MainForm.cpp",
      "delay = roundHalfEven((list_.TempTotalTime() + 1) * 600.0 / (n - 1));",
      "delay = (list_.TempTotalTime() + 1) * 600 / (n - 1);", "a task's share is cut, not rounded"),
    F("ses-start-below-one", "session", "src/session/MainForm.cpp",
      "    if (currenttask < 1)\n        currenttask = 1;\n    totaltasks = n;",
      "    totaltasks = n;", "a stored start task below 1 is shown as it is", "0b6eef3"),
    F("ses-skip-carried", "session", "src/session/MainForm.cpp",
      "        skippedtonext = false;\n        UpdateSessionControls(false);",
      "        UpdateSessionControls(false);", "a late skip carries into the next session"),
    F("ses-pause-shift", "session", "src/session/MainForm.cpp",
      "        taskstarttime += paused;\n", "", "a pause eats into the task's time"),
    F("ses-sessions-count", "session", "src/session/MainForm.cpp",
      "setSessionsCompleted(std::min(completed + 1, 32767));", "setSessionsCompleted(completed);",
      "a completed session is not counted"),
    F("ses-reentrant-tick", "session", "src/session/MainForm.cpp",
      "if (!sessionrunning || Taskspaused || endingTask_)", "if (!sessionrunning || Taskspaused)",
      "a tick during the time-up message ends the task twice"),
    F("ses-bell-on-skip", "session", "src/session/MainForm.cpp",
      "if (list_.playwavefiletasks() && !skippedtonext)", "if (list_.playwavefiletasks())",
      "a skipped task rings the bell"),
    F("ses-spin-limit", "session", "src/session/MainForm.cpp",
      "if (currenttask < totaltasks - 1 && currenttask < 9) {", "if (currenttask < totaltasks) {",
      "the start task can pass the last task"),
    F("ses-unload-screensaver", "session", "src/session/MainForm.cpp",
      "        restoreScreenSaver();\n        const Moment ended", "        const Moment ended",
      "closing during a session leaves the screen saver held off"),
    F("ses-first-run-list-in-place", "session", "src/session/MainForm.cpp",
      "if (!placed && !fExist(defaultIni)) {", "if (!placed) {",
      "a task list in place is a first-run error", "4c20e59"),
    F("ses-first-run-recorded", "session", "src/session/MainForm.cpp",
      "        // again, when the folder may be writable.\n        return;\n", "",
      "a first run without its task list is recorded", "b404be3"),
    F("ses-first-run-bell", "session", "src/session/MainForm.cpp",
      "    if (placed) {\n        const std::string wave", "    if (true) {\n        const std::string wave",
      "a store without its date resets the chosen sound", "b404be3"),
    F("ses-failed-save-once", "session", "src/session/MainForm.cpp",
      "        if (!saidFailedSaves_.insert(file).second)\n            continue;\n", "",
      "a failed save is said at every write", "b404be3"),
    F("ses-notify-active", "session", "src/session/MainForm.cpp",
      "    if (s_.window.isActive() && s_.window.state() != WindowState::Minimized)\n        return;\n",
      "", "the user at the window gets a desktop notification too"),
    F("ses-wall-clock-lengths", "session", "src/session/MainForm.cpp",
      "    return s_.clock.monotonic();\n}\n\nMainForm::Moment",
      "    return s_.clock.now();\n}\n\nMainForm::Moment",
      "the countdown and the practice are taken on the wall clock again"),
    F("ses-sleep-unseen", "session", "src/session/MainForm.cpp",
      "const bool woke = slept - sleptAtLastLook_ >= kShortestSleep;", "const bool woke = false;",
      "a sleep of the machine is not noticed: the countdown goes on as if awake"),
    F("ses-sleep-gap-noise", "session", "src/session/MainForm.cpp",
      "constexpr std::int64_t kShortestSleep = 5;", "constexpr std::int64_t kShortestSleep = 1;",
      "a second's difference in reading the two clocks pauses the session"),
    F("ses-sleep-in-pause", "session", "src/session/MainForm.cpp",
      "        taskstarttime += paused;\n        // A sleep during the pause was part of it.\n"
      "        sleptAtLastLook_ = sleptSoFar();\n",
      "        taskstarttime += paused;\n",
      "a sleep during a pause pauses again after Resume"),
    F("ses-sleep-in-message", "session", "src/session/MainForm.cpp",
      "    sleptAtLastLook_ = sleptSoFar();\n    warned_ = false;\n}",
      "    if (!endingTask_)\n        sleptAtLastLook_ = sleptSoFar();\n    warned_ = false;\n}",
      "a sleep while the time-up message is open pauses the next task"),
    F("ses-time-format", "session", "src/session/MainForm.cpp",
      'return text.size() < 2 ? "0" + text : text;', "return text;",
      "the countdown shows 9:5 for 09:05"),
    # --- options, editors, journal
    F("opt-stop-between-saved", "options", "src/tasklist/TaskList.cpp",
      "    file_.setStopBetweenTasks(on);\n", "", "the stop-between-tasks switch is not saved"),
    F("opt-screensaver-carried", "options", "src/tasklist/TaskList.cpp",
      "    options_ = file_.options();\n",
      "    const bool held = options_.Disabless;\n    options_ = file_.options();\n"
      "    options_.Disabless = options_.Disabless || held;\n",
      "the previous list's screen-saver switch carries over"),
    F("opt-unreadable-list", "options", "src/options/OptionsForm.cpp",
      "if (const FileRead check = checkReadableFile(name); !check.ok()) {",
      "if (const FileRead check = checkReadableFile(name); false) {",
      "a folder is taken as the task list"),
    F("opt-ini-suffix", "options", "src/options/OptionsForm.cpp",
      'if (!name.ends_with(".ini"))', "if (false)", "a new task list gets no .ini"),
    F("ted-pack-tasks", "editors", "src/taskeditor/DescriptionTable.cpp",
      "        if (d > 1)\n            ++target;\n    }\n}", "        ++target;\n    }\n}",
      "an empty task stays a gap in the table"),
    F("ted-save-clears", "editors", "src/taskeditor/DescriptionTable.cpp",
      "            if (!file.read(taskSection(t), descriptionKey(d), \"\").empty()\n"
      "                && !file.write(taskSection(t), descriptionKey(d), \"\"))\n"
      "                return false;\n", "",
      "a deleted description stays in the file"),
    F("ted-spin-limit", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "if (task < DescriptionTable::kTasks) {", "if (task <= DescriptionTable::kTasks) {",
      "the task spin passes task 9"),
    F("led-interval-min", "editors", "src/lists/ListEditorForm.cpp",
      "if (changeInterval_ - 1 <= 0)", "if (changeInterval_ - 1 < 0)",
      "the change interval goes down to 0"),
    F("led-switch-unsaved", "editors", "src/lists/ListEditorForm.cpp",
      "    if (!savelistfile(listFile()))\n        return;\n    showList(next);",
      "    savelistfile(listFile());\n    showList(next);",
      "entries that could not be saved are dropped for the next list"),
    F("led-current-item-read", "editors", "src/lists/ListEditorForm.cpp",
      "    if (list_.revision() == seenRevision_)\n        return;\n    seenRevision_", "    seenRevision_",
      "the current item is read from disk at every tick", "ed663de"),
    # --- one owner of the task list in use
    F("tl-save-into-list-in-use", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "const FileWrite saved = savetasklist(file_);",
      "const FileWrite saved = savetasklist(list_.inifilename());",
      "the editor saves into the list in use, not the one it loaded"),
    F("tl-editor-stays", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "        if (list_.inifilename() != file_)\n            followSwitch();",
      "        if (false)\n            followSwitch();",
      "an editor without changes keeps showing the list no longer in use"),
    F("tl-editor-new-drops-edits", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "    forms_.cmdnewtaskfile_Click();\n}", "    forms_.cmdnewtaskfile_Click();\n    bind(list_.inifilename());\n}",
      "File > New backed out of loses the edits"),
    F("tl-editor-takes-menu-length", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "    selectTotalTime(storedTotalTime_ >= 0 && storedTotalTime_ < kTotalTimeEntries",
      "    selectTotalTime(false && storedTotalTime_ < kTotalTimeEntries",
      "the editor shows the menu's length as the file's"),
    F("tl-editor-length-pass", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "if (index < 0 || index >= kTotalTimeEntries || index == totalTimeIndex_)",
      "if (index < 0 || index >= kTotalTimeEntries)",
      "passing through the length box is a change"),
    F("tl-editor-length-written", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "    if (totalTimeChosen_)\n        TaskListFile::setTotalTime(file, totalTimeIndex_);",
      "    TaskListFile::setTotalTime(file, totalTimeIndex_);",
      "Ok writes a length the editor did not choose"),
    F("tl-description-limit", "tasklist", "src/taskeditor/TaskEditorForm.cpp",
      "    if (text.size() > kMaxDescriptionBytes) {\n        const auto grown",
      "    if (false) {\n        const auto grown",
      "a description longer than the file reads back is taken"),
    F("tl-ok-moves-session", "tasklist", "src/session/MainForm.cpp",
      "    if (!sessionrunning) {\n        currenttask = 1;", "    if (true) {\n        currenttask = 1;",
      "the editor's Ok throws a running session back to task 1"),
    F("tl-locked-while-paused-only", "tasklist", "src/tasklist/TaskList.cpp",
      "return session_ && session_->sessionRunning();", "return session_ && session_->sessionPaused();",
      "the task list can be switched under a counting session"),
    F("tl-hold-by-option", "tasklist", "src/session/MainForm.cpp",
      "    if (screenSaverHeld_) {\n        s_.screenSaver.restore();",
      "    if (list_.Disabless()) {\n        s_.screenSaver.restore();",
      "the screen saver is let go by the option, not by the hold"),
    F("tl-switch-keeps-start-task", "tasklist", "src/session/MainForm.cpp",
      "        if (!sessionrunning)\n            loadsettings();\n", "",
      "after a switch the old list's start task is shown"),
    F("tl-outside-change-unseen", "tasklist", "src/tasklist/TaskList.cpp",
      "    if (same && seenSettled_)\n        return false;", "    if (true)\n        return false;",
      "a change of the file on disk is not seen"),
    F("tl-new-list-open-dialog", "tasklist", "src/options/OptionsForm.cpp",
      "if ((newName ? dialog.ShowSave() : dialog.ShowOpen()).Number == kCancelError)",
      "if (dialog.ShowOpen().Number == kCancelError)",
      "a new list's name is asked in an open dialog"),
    F("tl-no-stray-task", "tasklist", "src/session/TaskText.cpp",
      "    if (text.empty())\n        return text;\n", "",
      "a task that does not exist gets a section"),
    F("bind-caret", "windows", "src/forms/qt/ControlBinding.cpp",
      "    storeCarets(*form);\n    EventArgs args;", "    EventArgs args;",
      "the logic does not know where the caret is"),
    F("bind-only-changes", "windows", "src/forms/qt/ControlBinding.cpp",
      "        if (it != shown_.end() && it->second == state)\n            continue;", "",
      "every control is applied again at every update"),
    F("bind-unknown-names", "windows", "src/forms/qt/ControlBinding.cpp",
      "        else\n            unknown_.insert(name);", "",
      "a name that names no control goes unnoticed"),
    F("win-fit-on-apply", "windows", "src/session/frmmain.cpp",
      "    connect(binding_, &ControlBinding::applied, this, &frmmain::fitNewTaskText);\n", "",
      "a task text brought by Start is not fitted"),
    F("ted-alt-spin-limit", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    if (alternate < DescriptionTable::kDescriptions)\n        showPosition(taskNumber(), alternate + 1);",
      "    if (alternate <= DescriptionTable::kDescriptions)\n        showPosition(taskNumber(), alternate + 1);",
      "the alternate spin passes description 9"),
    F("ted-task-spin-floor", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    if (task > 1) {\n        showPosition(task - 1, 1);", "    if (task >= 1) {\n        showPosition(task - 1, 1);",
      "the task spin goes below task 1"),
    F("ted-insert-task-asks-always", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    if (table_.taskInUse(DescriptionTable::kTasks)\n        && s_.messages.show(",
      "    if (true\n        && s_.messages.show(",
      "inserting a task asks about task 9 when it is empty"),
    F("ted-insert-alt-asks-always", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    if (!table_.cell(task, DescriptionTable::kDescriptions).empty()\n        && s_.messages.show(",
      "    if (true\n        && s_.messages.show(",
      "inserting an alternate asks about description 9 when it is empty"),
    F("ted-insert-alt-at-nine", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    if (alternate == DescriptionTable::kDescriptions) {\n        s_.messages.show(",
      "    if (alternate > DescriptionTable::kDescriptions) {\n        s_.messages.show(",
      "an alternate is inserted at description 9"),
    F("ted-middle-delete-gap", "editors", "src/taskeditor/DescriptionTable.cpp",
      "            if (text.empty())\n                continue;",
      "            if (text.empty()) {\n                ++targetDescription;\n                continue;\n            }",
      "a description deleted in the middle leaves a gap in the file"),
    F("ted-unreadable-saved", "editors", "src/settings/IniFile.cpp",
      "    if (!file_.ok() && file_.status != ReadStatus::Missing) {\n        FileWrite failed;",
      "    if (false) {\n        FileWrite failed;",
      "a save over a file that could not be read is taken for done"),
    F("ted-cancel-asks-unchanged", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    return !changed_\n        || s_.messages.show(",
      "    return false\n        || s_.messages.show(",
      "Cancel asks even when nothing changed"),
    F("led-dblclick-asks", "editors", "src/lists/ListEditorForm.cpp",
      "    if (s_.messages.show(\n            trText(\"ListEditorForm\", \"Are you sure you want",
      "    if (false && s_.messages.show(\n            trText(\"ListEditorForm\", \"Are you sure you want",
      "an item is made current without asking"),
    F("led-random-stored", "editors", "src/lists/ListEditorForm.cpp",
      "    list_.file().setRandomChange(listNumber_, false);", "    list_.file().setRandomChange(listNumber_, true);",
      "ordered selection is stored as random"),
    F("led-delete-asks", "editors", "src/lists/ListEditorForm.cpp",
      '    if (s_.messages.show(\n            trText("ListEditorForm", "Are you sure you wish to delete',
      '    if (false && s_.messages.show(\n            trText("ListEditorForm", "Are you sure you wish to delete',
      "an item is deleted without asking"),
    F("main-screensaver-stored", "session", "src/tasklist/TaskList.cpp",
      "    file_.setScreenSaverOff(on);\n", "", "the screen-saver switch is not stored"),
    F("opt-full-screen-stored", "options", "src/tasklist/TaskList.cpp",
      "    file_.setFullScreen(on);\n", "", "the full-screen switch is not stored"),
    F("opt-wavefile-stored", "options", "src/tasklist/TaskList.cpp",
      "    file_.setWavefile(file);\n", "", "the chosen sound is not stored"),
    F("led-external-overwrite", "editors", "src/lists/ListEditorForm.cpp",
      "    if (keepsChangesMadeElsewhere(FileName))\n        return false;\n", "",
      "a list another program changed is saved over without a word"),
    F("ted-external-overwrite", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "    if (keepsChangesMadeElsewhere())\n        return false;\n", "",
      "tasks another program changed are saved over without a word"),
    F("led-delete-selects-next", "editors", "src/lists/ListEditorForm.cpp",
      "    list.listIndex = std::min(selected, static_cast<int>(list.items.size()) - 1);\n", "",
      "after a delete nothing is selected"),
    F("led-ctrl-enter", "editors", "src/lists/ListEditorForm.cpp",
      "    if (key.key == Key::Enter && key.control) {", "    if (false) {",
      "Ctrl+Enter adds the typed text instead of making the item current"),
    F("main-preview-writes", "session", "src/session/TaskText.cpp",
      "    if (!preview) {\n        file.setStartTask(taskNumber);", "    if (true) {\n        file.setStartTask(taskNumber);",
      "the look ahead at the start task moves its alternate on"),
    F("main-completed-stays", "session", "src/session/MainForm.cpp",
      "    if (!sessionrunning && !completedShown_) {\n        const std::pair",
      "    if (!sessionrunning) {\n        const std::pair",
      "the closing message gives way to the look ahead at once"),
    F("main-resume-caption", "session", "src/session/MainForm.cpp",
      '= Taskspaused ? trText("MainForm", "&Resume") : trText("MainForm", "&Pause");',
      '= trText("MainForm", "&Pause");', "paused, the button still says Pause"),
    F("cue-short-task", "session", "src/session/MainForm.cpp",
      "if (lead <= 0 || chosenDelay_ < 2 * lead)", "if (lead <= 0 || chosenDelay_ < lead)",
      "a task shorter than twice the lead still gets a warning"),
    F("cue-twice", "session", "src/session/MainForm.cpp",
      "        if (left <= lead && !warned_) {", "        if (left <= lead) {",
      "the warning sounds at every tick of the last stretch"),
    F("cue-testmode-lead", "session", "src/session/MainForm.cpp",
      "    if (!TestingMode)\n        return lead;", "    if (true)\n        return lead;",
      "in test mode the lead is not scaled with the task"),
    F("cue-mute-bell", "session", "src/session/MainForm.cpp",
      "    if (list_.options().muteCues)\n        return;\n    const SoundPlayed rung",
      "    const SoundPlayed rung", "muted, the bell still rings"),
    F("cue-speech-after-bell", "session", "src/session/MainForm.cpp",
      "ringing > 0 ? static_cast<int>(ringing) + kAfterBellMs : 0", "0",
      "speech talks over the bell"),
    F("cue-pause-silence", "session", "src/session/MainForm.cpp",
      "        restoreScreenSaver();\n        s_.speech.stop();\n        Taskspaused = true;",
      "        restoreScreenSaver();\n        Taskspaused = true;", "Pause leaves speech talking"),
    F("cue-spoken-break", "session", "src/session/SpokenText.cpp",
      'said += endsClause(said) ? " " : ", ";', 'said += " ";',
      "a line break is not heard as a pause"),
    F("key-travel-once", "windows", "src/forms/qt/ControlBinding.cpp",
      "    if (&key == travelling_ && travelFrom_ && receiver != travelFrom_",
      "    if (false && travelFrom_ && receiver != travelFrom_",
      "a key is raised again at each parent it travels through"),
    F("cue-emphasis", "windows", "src/forms/qt/ControlBinding.cpp",
      "    if (widget && (before ? before->emphasis != state.emphasis : state.emphasis))",
      "    if (false)", "the last stretch of the countdown does not stand out"),
    F("ted-enter-caret", "editors", "src/taskeditor/TaskEditorForm.cpp",
      "                caret += 4 - static_cast<int>(length);", "",
      "after Enter in the task's text the caret lands inside the placeholder"),
    F("jr-minutes-rounding", "journal", "src/journal/PracticeStats.cpp",
      "return (seconds + 30) / 60;", "return seconds / 60;", "minutes are cut, not rounded"),
    F("jr-current-streak", "journal", "src/journal/PracticeStats.cpp",
      "if (previous && *now - *previous <= std::chrono::days(1))",
      "if (previous && *now - *previous < std::chrono::days(1))",
      "a streak ends when today is not practised yet"),
    F("jr-week-monday", "journal", "src/journal/PracticeStats.cpp",
      "if (day >= monday)", "if (day > monday)", "Monday is left out of the week"),
    F("jr-csv-quote", "journal", "src/journal/JournalCsv.cpp",
      "        if (c == '\"')\n            csv += '\"';\n", "", "a quote in a field is not doubled"),
    F("jr-practised-clamp", "journal", "src/session/MainForm.cpp",
      "std::clamp<std::int64_t>(practised, 0, std::max(taskPlanned_, 0))", "practised",
      "a late tick adds to the time practised"),
    F("jr-newer-untouched", "journal", "src/journal/SqliteJournal.cpp",
      "    if (db->userVersion() > kSchemaVersion) {\n        error = newerVersionText();\n"
      "        return nullptr;\n    }\n", "",
      "a newer version's journal is changed before it is refused"),
    # --- the program folder
    F("folder-task-list", "app", "src/app/ProgramFolder.cpp",
      "const bool listTaken = holdsTaskList &&", "const bool listTaken = false &&",
      "a read-only copy leaves its task list behind"),
    F("folder-stale-copies", "app", "src/app/ProgramFolder.cpp",
      "        removeStaleTemporaryFiles(folder, name);\n", "        (void)name;\n",
      "a copy killed at a start leaves its temporary file for good"),
    F("jr-open-pause-practised", "journal", "src/session/MainForm.cpp",
      "(Taskspaused ? StartPaused : ended.steady) - taskstarttime", "ended.steady - taskstarttime",
      "closing the window during a pause counts the pause as practice"),
    F("jr-text-padding", "journal", "src/journal/SqliteJournal.cpp",
      "bindText(insert, 4, tidyTaskText(task.text));", "bindText(insert, 4, task.text);",
      "a task text is recorded with the padding of its list item"),
    F("jr-old-text-padding", "journal", "src/journal/SqliteJournal.cpp",
      "task.text = tidyTaskText(columnText(query, 3));", "task.text = columnText(query, 3);",
      "an older record is shown and exported with its padding"),
    F("jr-newest-by-start", "journal", "src/journal/SqliteJournal.cpp",
      '"FROM task ORDER BY started DESC, id DESC")', '"FROM task ORDER BY id DESC")',
      "a task recorded late sorts above tasks that started after it"),
    F("jr-scale-steps", "journal", "src/journal/PracticeStats.cpp",
      "return (most - 1) / step < steps;", "return most / step < steps;",
      "a most on a round step gets a step more than it needs"),
    F("jr-search-columns", "journal", "src/journal/JournalForm.cpp",
      "column < static_cast<int>(JournalColumn::Count); ++column)",
      "column < static_cast<int>(JournalColumn::Items); ++column)",
      "the search misses the items, the times and the ending"),
    F("jr-export-count", "journal", "src/journal/JournalForm.cpp",
      "{tasksCounted(static_cast<std::int64_t>(rows.size())), chosen.path}",
      "{tasksCounted(static_cast<std::int64_t>(tasks_.size())), chosen.path}",
      "the export names every task, not those exported"),
    # --- platform logic and windows
    F("media-broken-first", "platform", "src/platform/qt/MediaModule.cpp",
      "            tried << library_.errorString();\n            continue;",
      "            tried << library_.errorString();\n            break;",
      "a broken module file ends the search for the sound module"),
    F("media-sound-forward", "platform", "src/platform/qt/MediaModule.cpp",
      "return sound && sound->hasOutputDevice();", "return sound != nullptr;",
      "a loaded sound module is taken for an output device"),
    F("splash-png-order", "windows", "src/about/frmSplash.cpp",
      "? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB", "? PNG_FORMAT_RGBA : PNG_FORMAT_ARGB",
      "the splash's picture read with red and blue swapped"),
    F("utf8-surrogate", "platform", "src/text/Encoding.cpp",
      "(code >= 0xD800 && code <= 0xDFFF) || ", "", "a surrogate counts as UTF-8"),
    F("utf8-overlong", "platform", "src/text/Encoding.cpp",
      "if (code < minimum || (code", "if ((code", "an overlong form counts as UTF-8"),
    F("utf8-beyond", "platform", "src/text/Encoding.cpp",
      " || code > 0x10FFFF)", ")", "a code beyond U+10FFFF counts as UTF-8"),
    F("utf8-continuation", "platform", "src/text/Encoding.cpp",
      "        if ((next & 0xC0u) != 0x80u)\n            return 0;\n", "",
      "a byte that continues no character is taken as one"),
    F("utf8-stray-lead", "platform", "src/text/Encoding.cpp",
      "if (lead >= 0xC2 && lead <= 0xDF) {", "if (lead >= 0x80 && lead <= 0xDF) {",
      "a stray continuation byte starts a character"),
    F("path-extension", "platform", "src/platform/ParsePath.cpp",
      "if (after >= 1 && after <= 3)", "if (after >= 1 && after <= 4)",
      "a four-letter extension is taken for one"),
    F("opensave-max-size", "platform", "src/platform/OpenSave.cpp",
      "path.size() > static_cast<std::size_t>(MaxFileSize)",
      "path.size() >= static_cast<std::size_t>(MaxFileSize)", "a name of the largest size is refused"),
    F("clock-monotonic-wall", "platform", "src/platform/Clock.cpp",
      "return secondsOf(CLOCK_MONOTONIC);", "return secondsOf(CLOCK_REALTIME);",
      "the monotonic reading follows the wall clock"),
    F("clock-boot-wall", "platform", "src/platform/Clock.cpp",
      "return secondsOf(CLOCK_BOOTTIME);", "return secondsOf(CLOCK_REALTIME);",
      "the boot-time reading follows the wall clock: a step forward looks like a sleep"),
    F("sound-no-card", "platform", "src/platform/Sound.cpp",
      "if (!soundCardOnSystem || file.empty())", "if (file.empty())",
      "sound is played without an output device"),
    F("bell-length", "platform", "src/platform/Sound.cpp",
      "if (seconds > kLongestBellSeconds)", "if (false)", "a sound of any length is a bell"),
    F("bell-held", "platform", "src/platform/Sound.cpp",
      "if (length > size - body)", "if (false)",
      "a bell announcing more sound than its file holds is played"),
    F("bell-stop", "platform", "src/platform/qt/QtSound.cpp",
      "    timeUp->start(int(std::ceil(seconds * 1000)));\n", "",
      "the media framework works on a bell's file past its time"),
    F("instance-private-folder", "platform", "src/platform/qt/LocalSingleInstance.cpp",
      "&& info.st_uid == ::getuid() && (info.st_mode & kPermissionBits) == kPrivateMode;",
      "&& info.st_uid == ::getuid();", "a runtime folder others may enter holds the socket",
      "27855e5"),
    F("instance-greeting", "platform", "src/platform/qt/LocalSingleInstance.cpp",
      "if (received.left(kGreeting.size()) != kGreeting)", "if (false)",
      "any program listening at the socket is taken for a running copy"),
    F("instance-no-answer-wait", "platform", "src/platform/qt/LocalSingleInstance.cpp",
      "    while (waitFor(socket.get(), POLLIN, kAnswerTimeoutMs) && receive(socket.get(), received)) { }",
      "    receive(socket.get(), received);",
      "a later start reads the running copy's answer before it is written"),
    F("instance-socket-link", "platform", "src/platform/qt/LocalSingleInstance.cpp",
      "        if (S_ISLNK(info.st_mode))\n", "        if (false)\n",
      "a link at the socket's name is connected through"),
    F("help-language", "platform", "src/platform/qt/QtHelp.cpp",
      "if (language == QLatin1String(\"en\") || !code.match(language).hasMatch())",
      "if (true)", "the help stays English whatever language the texts are shown in"),
    F("help-english-fallback", "platform", "src/platform/qt/HelpWindow.cpp",
      "QTextBrowser::loadResource(type, QtHelp::existing(name));",
      "QTextBrowser::loadResource(type, name);",
      "a link to a page the translated help lacks shows an empty page"),
    F("win-long-words", "windows", "src/session/frmmain.cpp",
      "if (run > kLongestUnbrokenWord) {", "if (false) {", "a long word widens the main window"),
    F("win-smallest-text", "windows", "src/session/frmmain.cpp",
      "constexpr double kSmallestTextPoints = 8.0;", "constexpr double kSmallestTextPoints = 4.0;",
      "the task text shrinks below 8 points"),
    F("win-chart-dates", "windows", "src/journal/PracticeChart.cpp",
      "? dates.day(days_[i].day) :", "? QString::fromStdString(days_[i].day) :",
      "the chart writes its dates in one form whatever the locale"),
    F("win-journal-dates", "windows", "src/journal/frmjournal.cpp",
      "if (auto *logic = dynamic_cast<JournalView *>(host_.form(FormId::Journal))) {",
      "if (JournalView *logic = nullptr) {",
      "the table and the search keep the stored form of the dates"),
    F("win-journal-columns", "windows", "src/journal/frmjournal.cpp",
      "std::max(header->sectionSizeHint(column), table->sizeHintForColumn(column));",
      "header->sectionSizeHint(column);", "a column is as wide as its header, not its content"),
    # (Not planted: dropping the journal's bound to the screen in its resize. Qt fits a new
    # window's first geometry into its screen by itself, so that fault changes nothing.)
    F("win-journal-screen", "windows", "src/journal/frmjournal.cpp",
      "    if (room.height() < height())\n        ui->chartdays",
      "    if (false)\n        ui->chartdays",
      "on a low screen the journal's chart keeps its height and the table shows barely a row"),
    F("win-about-height", "windows", "src/about/frmAbout.cpp",
      "    const int width = sizeHint().width();\n    resize(width, heightForWidth(width));",
      "    adjustSize();", "the about box cuts its notice short on a small screen"),
    # --- commands from outside the window
    F("remote-while-message", "remote", "src/remote/RemoteControl.cpp",
      "    if (modal())\n", "    if (false)\n",
      "a command from outside acts while a message waits for its answer"),
    F("remote-pause-paused", "remote", "src/remote/RemoteControl.cpp",
      "if (command == RemoteCommand::Pause && paused)", "if (false)",
      "Pause from outside resumes a paused session"),
    F("remote-stop-stopped", "remote", "src/remote/RemoteControl.cpp",
      "&& command != RemoteCommand::StartStop && !running)", "&& false)",
      "a stopped session takes Stop, Pause and Next from outside"),
    F("panel-share-rounded-down", "remote", "src/remote/PanelLook.cpp",
      "roundedUp(static_cast<long long>(left) * kShares, countdown.length)",
      "static_cast<int>(static_cast<long long>(left) * kShares / countdown.length)",
      "the ring shows a sixteenth less than the task has left"),
    F("mpris-says-every-tick", "remote", "src/remote/MediaPlayer.cpp",
      "changes.metadata = !(now == seenTrack_);", "changes.metadata = true;",
      "the media player says its track after every tick"),
    F("mpris-without-option", "remote", "src/remote/MediaPlayer.cpp",
      "return list_.mediaKeys() && main_.sessionRunning();", "return main_.sessionRunning();",
      "the media keys take a session whether the option is on or not"),
    F("mpris-no-seek-back", "remote", "src/remote/MediaPlayer.cpp",
      "changes.seeked = begunNow && want && !changes.wanted;", "changes.seeked = false;",
      "a new task's position back at 0 is not said"),
    F("cli-refusal-exit", "remote", "src/app/main.cpp",
      "                return answer->exitCode;\n", "                return 0;\n",
      "a refused command from the command line ends as if it was done"),
    F("panel-front-by-focus", "remote", "src/remote/qt/PanelIcon.cpp",
      "const bool inFront = window_->isActiveWindow()\n        ||",
      "const bool inFront = window_->isActiveWindow()\n        && false &&",
      "a click on the icon raises a window that is in front instead of hiding it"),
    F("help-beside-room", "platform", "src/platform/qt/HelpWindow.cpp",
      "if (roomRight >= frame.width())", "if (roomRight > frame.width())",
      "the help window goes left of the main window when there is just room on its right"),
    F("ses-handover-silent", "session", "src/session/MainForm.cpp",
      "        s_.messages.beep();\n        return false;\n", "        return false;\n",
      "a second start hands over without a sound"),
    F("ses-refused-guard-no", "session", "src/session/MainForm.cpp",
      "            != MsgResult::Yes)\n        return false;\n\n    // The list the store",
      "            == MsgResult::Cancel)\n        return false;\n\n    // The list the store",
      "a refused single-instance guard starts anyway when the user says No"),
    F("note-german-b", "session", "src/session/TaskText.cpp",
      "if (style == TaskListFile::kNoteGerman && index == 1)", "if (false)",
      "German note names call B what they call H"),
    F("note-language-italian", "session", "src/session/TaskText.cpp",
      ': language == "fr" || language == "it" || language == "es"',
      ': language == "fr" || language == "es"',
      "an Italian user's drawn notes are letters, not solfege"),
    F("opt-speech-missing", "options", "src/options/OptionsForm.cpp",
      "controls_[name].enabled = !mute;", "controls_[name].enabled = true;",
      "without a speech engine reading aloud can still be chosen"),
    F("splash-key-ignored", "windows", "src/about/frmSplash.cpp",
      "    event->accept();\n    finish();\n}\n\nvoid frmSplash::mousePressEvent",
      "    event->accept();\n}\n\nvoid frmSplash::mousePressEvent",
      "a key does not end the splash"),
    F("ini-forged-key", "settings", "src/settings/IniFile.cpp",
      "    if (key.find('=') != std::string_view::npos)\n        return false;\n", "",
      "a key holding '=' is written, and reads back as another key"),
    F("ini-forged-section", "settings", "src/settings/IniFile.cpp",
      "(name.front() != '[' && name.front() != ';')", "(name.front() != ';')",
      "a key beginning with '[' is written, and reads back as a section"),
    F("mail-header-kept", "platform", "src/platform/Shell.cpp",
      "constexpr std::string_view kept = \"-._~!$'()*+,;:@\";",
      "constexpr std::string_view kept = \"-._~!$'()*+,;:@&=?\";",
      "a mail address can add header fields of its own"),
    F("xdg-relative", "platform", "src/platform/SafeFile.cpp",
      "if (xdgValue && xdgValue[0] == '/')", "if (xdgValue && xdgValue[0] != '\\0')",
      "a relative XDG folder is taken, relative to wherever the program was started"),
    F("ses-unreadable-silent", "session", "src/session/MainForm.cpp",
      "if (check.status != ReadStatus::NotAFile && check.status != ReadStatus::Error)",
      "if (check.status != ReadStatus::Error)",
      "a task list that is no regular file is not said at start"),
    F("msgbox-yes-default", "platform", "src/platform/qt/QtMessageBox.cpp",
      "QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::No}",
      "QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No}",
      "Enter answers Yes to a question, such as whether to drop the changes"),
    F("guard-silent", "app", "src/app/qt/GuardedApplication.cpp",
      "    } catch (const std::exception &error) {\n        report(error.what());\n",
      "    } catch (const std::exception &error) {\n        static_cast<void>(error);\n",
      "an exception that escapes an event handler is swallowed without a word"),
    F("chooser-accept-label", "platform", "src/platform/qt/QtFileChooser.cpp",
      "if (!choice.acceptLabel.empty()) {", "if (false) {",
      "the new-list dialog's button says Save, not what it does"),
    F("screensaver-ask-twice", "platform", "src/platform/qt/DBusScreenSaver.cpp",
      "if (cookie_ || asking_ || !bus_.isConnected())", "if (cookie_ || !bus_.isConnected())",
      "a Start while the desktop still answers the last one asks for a second hold"),
    F("win-about-dark", "windows", "src/about/frmAbout.cpp",
      'constexpr Colours kDark {"#e8b458", "#8ab4f8"};',
      'constexpr Colours kDark {"#7a4a08", "#0000ee"};',
      "the about box keeps its title and links dark on a dark window"),
]


def run(cmd, cwd, timeout=None):
    # A test's output may hold any bytes (it prints the files it reads).
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, errors="replace", timeout=timeout, check=False)


def failed_tests(output: str) -> list[str]:
    names = re.findall(r"^\s*\d+ - (\S+) \(", output, re.M)
    return names or (["(ctest)"] if "Errors while running CTest" in output else [])


def failed_cases(output: str) -> list[str]:
    """The GoogleTest cases that failed, a parametrised case once for all its parameters."""
    cases = re.findall(r"^\[  FAILED  \] (?:\w+/)?(\w+\.\w+)\b", output, re.M)
    return sorted(set(cases))


def copy_tree(tree: pathlib.Path) -> None:
    """Mirrors the working tree's files (tracked or not, unless ignored); a file whose bytes
    are unchanged is not touched, so that the build stays incremental."""
    listed = subprocess.run(["git", "ls-files", "-z", "-c", "-o", "--exclude-standard"],
                            cwd=ROOT, stdout=subprocess.PIPE, check=True).stdout
    wanted = {name for name in listed.decode().split("\0") if name and (ROOT / name).is_file()}
    for name in wanted:
        source, target = ROOT / name, tree / name
        if not target.is_file() or target.read_bytes() != source.read_bytes():
            target.parent.mkdir(parents=True, exist_ok=True)
            # Written now, not with the source's time: an object built after a fault was
            # taken out again must not look newer than the changed source.
            shutil.copyfile(source, target)
            shutil.copymode(source, target)
    for path in tree.rglob("*"):
        if path.is_file() and str(path.relative_to(tree)) not in wanted:
            path.unlink()


def configure(tree: pathlib.Path, build: pathlib.Path) -> None:
    if (build / "build.ninja").exists():
        return
    # Quick to build: little optimisation, no debug information, the LLVM linker.
    subprocess.run(["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Faults", "-DCMAKE_CXX_FLAGS=-O1",
                    "-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"],
                   check=True, stdout=subprocess.DEVNULL)


def try_fault(fault: Fault, tree: pathlib.Path, build: pathlib.Path, fast_only: bool,
              every_case: bool = False):
    path = tree / fault.file
    original = path.read_text(encoding="utf-8")
    path.write_text(original.replace(fault.old, fault.new, 1), encoding="utf-8")
    try:
        built = run(["cmake", "--build", str(build)], tree)
        if built.returncode != 0:
            return "did not build", ""
        env_ctest = ["ctest", "--test-dir", str(build), "-j", "2", "--timeout", "120"]
        fast = run(env_ctest + ["-E", SLOW_TESTS]
                   + (["--output-on-failure"] if every_case else ["--stop-on-failure"]), tree)
        if fast.returncode != 0:
            by = every_case and failed_cases(fast.stdout) or failed_tests(fast.stdout)
            return "caught", ", ".join(by)
        if fast_only:
            return "missed (fast tests)", ""
        slow = run(env_ctest + ["-R", SLOW_TESTS, "--timeout", "400"], tree)
        if slow.returncode != 0:
            return "caught", ", ".join(failed_tests(slow.stdout))
        return "missed", ""
    finally:
        path.write_text(original, encoding="utf-8")


MAP_HEAD = """# Planted faults: what the tests catch

`scripts/planted-faults.py` plants each fault alone in a copy of the tree, builds and runs the
tests. A commit in the third column marks a fault that undoes a mend made then.

The table is a full map of the suite, made with `scripts/planted-faults.py --map` on
{date}: for each fault, every GoogleTest case that failed with it planted, all fast tests
run to their end rather than stopped at the first failure. A fault that no fast test catches
runs through the slow tests (end to end under Xvfb, real sound over the test's own server),
and the CTest test that caught it is named.

{caught} of {total} faults caught: {fast} by the fast tests ({alone} of them by one case
alone), {slow} only by the end-to-end and sound tests.

| fault | area | undoes | caught by | what the fault does |
|---|---|---|---|---|
"""


def write_map(path: pathlib.Path, rows) -> None:
    def slow(by: str) -> bool:
        return bool(re.match(SLOW_TESTS, by.split(", ")[0]))

    caught = [by for _, verdict, by in rows if verdict == "caught"]
    fast = [by for by in caught if not slow(by)]
    lines = [MAP_HEAD.format(date=time.strftime("%Y-%m-%d"), total=len(rows),
                             caught=len(caught), fast=len(fast),
                             alone=sum(1 for by in fast if "," not in by),
                             slow=len(caught) - len(fast))]
    for fault, verdict, by in rows:
        shown = by if verdict == "caught" else f"**{verdict}**"
        if verdict == "caught" and slow(by):
            shown += " (end to end or sound)"
        lines.append(f"| `{fault.id}` | {fault.area} | {fault.fix} | {shown} | {fault.what} |\n")
    path.write_text("".join(lines), encoding="utf-8")


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--work", default=str(ROOT / "build-faults"))
    parser.add_argument("--only", help="comma-separated fault ids")
    parser.add_argument("--area")
    parser.add_argument("--fast-only", action="store_true",
                        help="leave out the end-to-end and real-sound tests")
    parser.add_argument("--list", action="store_true", help="list the faults and check them")
    parser.add_argument("--plant", metavar="ID",
                        help="plant one fault in this tree itself (no build, no tests)")
    parser.add_argument("--remove", metavar="ID", help="take a planted fault out again")
    parser.add_argument("--map", metavar="FILE",
                        help="every failing test case for each fault, as a table in FILE")
    args = parser.parse_args()

    if args.plant or args.remove:
        fault = next((f for f in FAULTS if f.id in (args.plant, args.remove)), None)
        if fault is None:
            print("No such fault")
            return 2
        path = ROOT / fault.file
        text = path.read_text(encoding="utf-8")
        old, new = (fault.old, fault.new) if args.plant else (fault.new, fault.old)
        if text.count(old) != 1 or (not args.plant and fault.new == ""):
            print(f"{fault.file} is not as the fault expects; restore it with git checkout")
            return 1
        path.write_text(text.replace(old, new, 1), encoding="utf-8")
        print(f"{'planted' if args.plant else 'removed'} {fault.id} in {fault.file}")
        return 0

    faults = FAULTS
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f.id in wanted]
    if args.area:
        faults = [f for f in faults if f.area == args.area]

    problems = 0
    for fault in faults:
        count = (ROOT / fault.file).read_text(encoding="utf-8").count(fault.old)
        if count != 1:
            print(f"{fault.id}: the text to change is found {count} times in {fault.file}")
            problems += 1
    if args.list or problems:
        for fault in faults:
            print(f"{fault.id:32} {fault.area:9} {fault.fix or '':8} {fault.what}")
        return 1 if problems else 0

    work = pathlib.Path(args.work)
    tree, build = work / "tree", work / "build"
    copy_tree(tree)
    configure(tree, build)
    print("== Building the unchanged tree and running its tests")
    subprocess.run(["cmake", "--build", str(build)], check=True, stdout=subprocess.DEVNULL)
    clean = run(["ctest", "--test-dir", str(build), "-j", "2", "-E", SLOW_TESTS], tree)
    if clean.returncode != 0:
        print(clean.stdout[-3000:])
        print("The unchanged tree fails its tests: no fault can be measured.")
        return 2

    rows = []
    missed = 0
    for n, fault in enumerate(faults, 1):
        started = time.monotonic()
        try:
            verdict, by = try_fault(fault, tree, build, args.fast_only, bool(args.map))
        except subprocess.TimeoutExpired:
            verdict, by = "caught", "(timeout)"
        missed += verdict.startswith("missed")
        rows.append((fault, verdict, by))
        print(f"[{n}/{len(faults)}] {fault.id:32} {verdict:14} {by}  "
              f"({time.monotonic() - started:.0f} s)", flush=True)
    with open(work / "results.tsv", "w", encoding="utf-8") as out:
        out.write("id\tarea\tfix\tverdict\tcaught by\twhat\n")
        for fault, verdict, by in rows:
            out.write(f"{fault.id}\t{fault.area}\t{fault.fix}\t{verdict}\t{by}\t{fault.what}\n")
    if args.map:
        write_map(pathlib.Path(args.map), rows)
    caught = sum(1 for _, v, _ in rows if v == "caught")
    unbuilt = sum(1 for _, v, _ in rows if v == "did not build")
    print(f"\n{caught} of {len(rows)} faults caught, {missed} missed, {unbuilt} did not build")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
