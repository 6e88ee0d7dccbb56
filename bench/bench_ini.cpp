// The settings file engine on a full task list: nine tasks of nine descriptions, nine list
// groups, the options and the history; and on a very long task list, what a start of the
// program and a click on Start read from it.
//
// The files live in a fresh folder under $TMPDIR (or /tmp); set TMPDIR to measure another
// file system.

#include "platform/SafeFile.h"
#include "settings/IniFile.h"
#include "taskeditor/DescriptionTable.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <thread>

using namespace tb;

namespace {

std::string description(int task, int number, int round)
{
    return "Task " + std::to_string(task) + ", way " + std::to_string(number)
        + ": scales in %note% major, then %list" + std::to_string(task)
        + "% at a slow tempo%CR%round " + std::to_string(round);
}

std::string taskListContent()
{
    std::string s = "[options]\r\ndisable ScreenSaver=False\r\nUse Full Screen=False\r\n"
                    "Play Sound=True\r\nStop Between tasks=False\r\n"
                    "wavefile=/home/someone/.local/share/tallybell/PINGPONG.WAV\r\n"
                    "[TotalTime]\r\nTime=2\r\n";
    for (int task = 1; task <= 9; ++task) {
        s += "[Task" + std::to_string(task) + "]\r\n";
        for (int n = 1; n <= 9; ++n)
            s += "description" + std::to_string(n) + "=" + description(task, n, 0) + "\r\n";
        s += "Alternatetask=" + std::to_string(task % 9 + 1) + "\r\n";
    }
    s += "[currenttask]\r\nnumber=4\r\n";
    for (int list = 1; list <= 9; ++list) {
        s += "[List Group Number " + std::to_string(list) + "]\r\n";
        s += "Current Item=Sonatina in C, second movement (list " + std::to_string(list) + ")\r\n";
        s += "Change Song=" + std::to_string(list) + "\r\nChange Song Random=False\r\n";
        s += "Last Change Session Number=12\r\n";
    }
    s += "[History]\r\nSessions Completed=37\r\n";
    return s;
}

class Folder
{
public:
    Folder()
    {
        const char *tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tallybell-bench-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    std::string file(const char *name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string freshTaskList(const Folder &folder)
{
    const std::string path = folder.file("tallywork.ini");
    if (!writeFileAtomically(path, taskListContent()))
        throw std::runtime_error("cannot write " + path);
    return path;
}

void BM_IniRead(benchmark::State &state, const char *section, const char *key)
{
    Folder folder;
    const std::string path = freshTaskList(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(IniRead(section, key, path, "1"));
    state.counters["file_bytes"] = double(taskListContent().size());
}
BENCHMARK_CAPTURE(BM_IniRead, first_section, "options", "Play Sound");
BENCHMARK_CAPTURE(BM_IniRead, middle_task, "task5", "description5");
BENCHMARK_CAPTURE(BM_IniRead, last_section, "History", "Sessions Completed");
BENCHMARK_CAPTURE(BM_IniRead, missing_key, "List Group Number 9", "no such key");
BENCHMARK_CAPTURE(BM_IniRead, missing_section, "no such section", "key");

// The bytes already in memory: what the scan costs without the file.
void BM_FindInMemory(benchmark::State &state)
{
    const std::string content = taskListContent();
    for (auto _ : state)
        benchmark::DoNotOptimize(findIniValue(content, "History", "Sessions Completed"));
}
BENCHMARK(BM_FindInMemory);

void BM_IniWrite_sameValue(benchmark::State &state)
{
    Folder folder;
    const std::string path = freshTaskList(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(IniWrite("History", "Sessions Completed", "37", path));
}
BENCHMARK(BM_IniWrite_sameValue);

void BM_IniWrite_newValue(benchmark::State &state)
{
    Folder folder;
    const std::string path = freshTaskList(folder);
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            IniWrite("currenttask", "number", std::to_string(++n % 9 + 1), path));
}
BENCHMARK(BM_IniWrite_newValue)->Unit(benchmark::kMicrosecond);

void BM_IniWrite_newKey(benchmark::State &state)
{
    Folder folder;
    std::string path;
    for (auto _ : state) {
        state.PauseTiming();
        path = freshTaskList(folder);
        state.ResumeTiming();
        benchmark::DoNotOptimize(IniWrite("Task5", "added key", "a value", path));
    }
}
BENCHMARK(BM_IniWrite_newKey)->Unit(benchmark::kMicrosecond);

void BM_SetInMemory(benchmark::State &state)
{
    const std::string content = taskListContent();
    for (auto _ : state)
        benchmark::DoNotOptimize(setIniValue(content, "Task5", "description5", "changed"));
}
BENCHMARK(BM_SetInMemory);

// Saving the whole task list from the editor: each of the 81 descriptions is read, then
// written. `changed` gives every description a new text (81 real writes); otherwise the
// texts are the stored ones and no write reaches the disk.
void BM_SaveTaskList(benchmark::State &state)
{
    const bool changed = state.range(0) != 0;
    Folder folder;
    const std::string path = freshTaskList(folder);
    int round = 0;
    for (auto _ : state) {
        if (changed)
            ++round;
        for (int task = 1; task <= 9; ++task) {
            const std::string section = "Task" + std::to_string(task);
            for (int n = 1; n <= 9; ++n) {
                const std::string key = "description" + std::to_string(n);
                benchmark::DoNotOptimize(IniRead(section, key, path, ""));
                IniWrite(section, key, description(task, n, round), path);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 162);
}
BENCHMARK(BM_SaveTaskList)->ArgName("changed")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The task list editor's Ok on a full table in which every description changed: each key is
// read, emptied and written again. As single calls, each write is a crash-safe replacement
// of the file with its flush (up to 162 of them); as one batch, the file is replaced once.
// Wall time, because the flushes to disk are most of it.
void BM_EditorSave(benchmark::State &state)
{
    const bool batched = state.range(0) != 0;
    Folder folder;
    const std::string path = freshTaskList(folder);
    int round = 0;
    for (auto _ : state) {
        ++round;
        DescriptionTable table;
        for (int task = 1; task <= 9; ++task)
            for (int n = 1; n <= 9; ++n)
                table.setCell(task, n, description(task, n, round));
        if (batched) {
            IniBatch file(path);
            table.save(file);
            if (!file.commit())
                state.SkipWithError("the save failed");
            continue;
        }
        for (int task = 1; task <= 9; ++task) {
            const std::string section = "Task" + std::to_string(task);
            for (int n = 1; n <= 9; ++n) {
                const std::string key = "description" + std::to_string(n);
                if (!IniRead(section, key, path, "").empty())
                    IniWrite(section, key, "", path);
                IniWrite(section, key, table.cell(task, n), path);
            }
        }
    }
}
BENCHMARK(BM_EditorSave)
    ->ArgName("batch")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A task list of `tasks` sections [task1] ... [taskN] of one description each, after the
// options and the session length.
std::string longTaskListContent(int tasks)
{
    std::string s = "[options]\r\ndisable ScreenSaver=False\r\nUse Full Screen=False\r\n"
                    "Play Sound=True\r\nStop Between tasks=False\r\nwavefile=\r\n"
                    "[TotalTime]\r\nTime=2\r\n[currenttask]\r\nnumber=1\r\n";
    for (int task = 1; task <= tasks; ++task) {
        const std::string number = std::to_string(task);
        s += "[task" + number + "]\r\ndescription1=Piece " + number + ", %note% major\r\n";
    }
    return s;
}

// A settings file's time stamps come from a clock that moves in steps: a file written a
// moment ago may still change unseen within the same step. Waiting a little makes the file
// one that has been on the disk for a while, as a task list is when the program starts.
void letTheFileAge()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

// The main window's count of the tasks: description1 of task1, task2, ... until one is
// missing, at most 32766 of them.
std::int16_t countTasks(const std::string &path)
{
    std::int16_t n = 1;
    while (n < 32767 && !IniRead("task" + std::to_string(n), "description1", path, "").empty())
        ++n;
    return n;
}

// What the main window reads from its task list when the program starts: the settings, the
// session length, then the task count. Each iteration reads a newly written file, so that
// nothing read in the iteration before can serve it.
void BM_StartReads(benchmark::State &state)
{
    Folder folder;
    const std::string content = longTaskListContent(int(state.range(0)));
    const std::string path = folder.file("tallywork.ini");
    for (auto _ : state) {
        state.PauseTiming();
        if (!writeFileAtomically(path, content))
            state.SkipWithError("cannot write the task list");
        letTheFileAge();
        state.ResumeTiming();
        benchmark::DoNotOptimize(IniRead("currenttask", "number", path, "1"));
        for (const char *key : {"wavefile", "disable ScreenSaver", "Use Full Screen", "Play Sound",
                                "Stop Between tasks"})
            benchmark::DoNotOptimize(IniRead("options", key, path, "False"));
        benchmark::DoNotOptimize(IniRead("TotalTime", "Time", path, "1"));
        benchmark::DoNotOptimize(countTasks(path));
    }
    state.counters["file_bytes"] = double(content.size());
}
BENCHMARK(BM_StartReads)->ArgName("tasks")->Arg(100000)->Unit(benchmark::kMillisecond);

// A click on Start: the task count again, then the text of the task to start from is
// composed as the session does: the task number is stored (it differs from the stored one
// at each click here, so the whole file is replaced once), the task's alternative is read,
// its description, and the next alternative is stored (unchanged after the first round).
void BM_StartClick(benchmark::State &state)
{
    Folder folder;
    const std::string content = longTaskListContent(int(state.range(0)));
    const std::string path = folder.file("tallywork.ini");
    if (!writeFileAtomically(path, content))
        throw std::runtime_error("cannot write " + path);
    letTheFileAge();
    int round = 0;
    for (auto _ : state) {
        const std::string task = std::to_string(++round % 2 + 1);
        const std::string section = "task" + task;
        benchmark::DoNotOptimize(countTasks(path));
        IniWrite("currenttask", "number", task, path);
        const std::string stored = IniRead(section, "Alternatetask", path, "");
        int alternate = stored.empty() ? 1 : std::stoi(stored);
        if (alternate == 0 || alternate >= 10)
            alternate = 1;
        std::string text = IniRead(section, "description" + std::to_string(alternate), path, "");
        if (text.empty()) {
            alternate = 1;
            text = IniRead(section, "description1", path, "");
        }
        IniWrite(section, "Alternatetask", std::to_string(alternate + 1), path);
        benchmark::DoNotOptimize(text);
        state.PauseTiming();
        letTheFileAge();
        state.ResumeTiming();
    }
    state.counters["file_bytes"] = double(content.size());
}
BENCHMARK(BM_StartClick)
    ->ArgName("tasks")
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
