// The practice journal: appending one record (with the flush to disk that every write
// makes), opening the journal window over ten years of daily practice (about 40,000 task
// records), and a search over them.
//
// The files live in a fresh folder under $TMPDIR (or /tmp); set TMPDIR to measure another
// file system.

#include "app/Program.h"
#include "journal/JournalForm.h"
#include "journal/SqliteJournal.h"
#include "settings/Registry.h"
#include "support/FakeFileChooser.h"
#include "support/FakeNotifier.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <sqlite3.h>
#include <string>

using namespace tb;

namespace {

TaskRecord sampleTask(int n)
{
    TaskRecord task;
    task.started = "2026-03-02 10:00:00";
    task.ended = "2026-03-02 10:10:00";
    task.number = n % 9 + 1;
    task.text = "Play Etude " + std::to_string(n % 40) + " slowly,\r\nthen at tempo";
    task.items = {"Etude " + std::to_string(n % 40)};
    task.plannedSeconds = 600;
    task.practisedSeconds = 540;
    return task;
}

void BM_AppendTask(benchmark::State &state)
{
    test::TempDir folder;
    SqliteJournal journal(folder.file("journal.sqlite"));
    int n = 0;
    for (auto _ : state)
        if (!journal.addTask(sampleTask(n++)).ok)
            state.SkipWithError("the write failed");
}
BENCHMARK(BM_AppendTask)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Ten years of daily practice: eleven tasks a day, one completed session a day.
void fillTenYears(const std::string &file)
{
    SqliteJournal(file).addSession({}); // the file in this program's layout
    sqlite3 *db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO task (started, ended, number, text, items, planned, "
                       "practised, ending, day) VALUES (?1, ?1, ?2, ?3, ?4, 600, 540, "
                       "'time up', substr(?1, 1, 10))",
                       -1, &insert, nullptr);
    std::tm day {};
    day.tm_year = 2017 - 1900;
    day.tm_mday = 1;
    int n = 0;
    for (int d = 0; d < 3653; ++d) {
        std::tm date = day;
        date.tm_mday += d;
        const std::time_t moment = timegm(&date);
        gmtime_r(&moment, &date);
        char started[32];
        std::strftime(started, sizeof started, "%Y-%m-%d 18:00:00", &date);
        for (int t = 0; t < 11; ++t, ++n) {
            const TaskRecord task = sampleTask(n);
            sqlite3_bind_text(insert, 1, started, -1, SQLITE_TRANSIENT);
            sqlite3_bind_int(insert, 2, task.number);
            sqlite3_bind_text(insert, 3, task.text.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 4, task.items[0].c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// The program's logic over fakes, with the journal of ten years.
struct TenYears {
    test::TempDir folder;
    test::FakeClock clock;
    test::FakeRandom random;
    test::FakeMessageBox messages;
    test::FakeSound sound;
    test::FakeScreenSaver screenSaver;
    test::FakeHelp help;
    test::FakeSingleInstance instance;
    test::FakeWindowOps window;
    test::FakeNotifier notifier;
    test::FakeFileChooser chooser;
    test::FakeShell shell;
    Registry registry {folder.file("registry.ini"), messages};
    std::unique_ptr<SqliteJournal> journal;
    std::unique_ptr<Program> program;

    TenYears()
    {
        fillTenYears(folder.file("journal.sqlite"));
        journal = std::make_unique<SqliteJournal>(folder.file("journal.sqlite"));
        program = std::make_unique<Program>(
            ProgramServices {MainServices {clock, random, messages, sound, screenSaver, help,
                                           instance, window, registry, notifier, *journal},
                             chooser, shell},
            folder.path().string(), "");
    }
};

void BM_OpenJournalWindow(benchmark::State &state)
{
    TenYears years;
    for (auto _ : state) {
        years.program->show(FormId::Journal);
        benchmark::DoNotOptimize(years.program->loadedJournal()->shownCount());
        years.program->unload(FormId::Journal);
    }
    years.program->show(FormId::Journal);
    state.counters["tasks"] = static_cast<double>(years.program->loadedJournal()->shownCount());
}
BENCHMARK(BM_OpenJournalWindow)->Unit(benchmark::kMillisecond);

void BM_SearchJournal(benchmark::State &state)
{
    TenYears years;
    years.program->show(FormId::Journal);
    JournalForm &form = *years.program->loadedJournal();
    int round = 0;
    for (auto _ : state) {
        // Alternately a search and none, as typing and clearing would.
        form.controls()["txtsearch"].text = round++ % 2 == 0 ? "Etude 2" : "";
        years.program->dispatch(FormId::Journal, "txtsearch", ControlEvent::Change);
        benchmark::DoNotOptimize(form.shownCount());
    }
    form.controls()["txtsearch"].text = "Etude 2";
    years.program->dispatch(FormId::Journal, "txtsearch", ControlEvent::Change);
    state.counters["found"] = static_cast<double>(form.shownCount());
}
BENCHMARK(BM_SearchJournal)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
