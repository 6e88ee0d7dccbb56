// The settings file engine on a full task list: nine tasks of nine descriptions, nine list
// groups, the options and the history. Every settings access of the program is one of
// these calls, with no cache in between.
//
// The files live in a fresh folder under $TMPDIR (or /tmp); set TMPDIR to measure another
// file system.

#include "settings/IniFile.h"
#include "settings/SafeFile.h"
#include "taskeditor/DescriptionTable.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <stdlib.h>
#include <string>

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

} // namespace

BENCHMARK_MAIN();
