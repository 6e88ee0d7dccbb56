#include "journal/JournalCsv.h"
#include "support/TempDir.h"

#include <cstdio>
#include <gtest/gtest.h>

using namespace tb;
using tb::test::TempDir;
using tb::test::writeFile;

namespace {

// What Python's csv module reads from `file`, as JSON.
std::string readByPython(const std::string &file)
{
    const std::string command
        = "python3 -c 'import csv, json, sys; print(json.dumps(list(csv.reader(open(sys.argv[1], "
          "newline=\"\", encoding=\"utf-8\")))))' "
        + file;
    std::string out;
    if (FILE *pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        EXPECT_EQ(::pclose(pipe), 0);
    }
    return out;
}

TEST(JournalCsv, TextsWithCommasQuotesAndLineBreaksReadBackWhole)
{
    TaskRecord tricky;
    tricky.started = "2026-03-01 09:00:00";
    tricky.ended = "2026-03-01 09:10:00";
    tricky.number = 3;
    tricky.text = "Play \"Etude 2\", then rest\r\nslowly: caf\xc3\xa9";
    tricky.items = {"Etude 2", "B, flat"};
    tricky.plannedSeconds = 600;
    tricky.practisedSeconds = 598;
    TaskRecord plain;
    plain.text = "\"";
    plain.ending = TaskEnding::Skipped;

    TempDir dir;
    const std::string file = dir.file("out.csv");
    writeFile(file, tasksAsCsv({&tricky, &plain}));
    EXPECT_EQ(readByPython(file),
              R"([["Started", "Ended", "Task", "Text", "List items", "Planned seconds", )"
              R"("Practised seconds", "Ending"], ["2026-03-01 09:00:00", "2026-03-01 09:10:00", )"
              R"("3", "Play \"Etude 2\", then rest\r\nslowly: caf\u00e9", "Etude 2; B, flat", )"
              R"("600", "598", "time up"], ["", "", "0", "\"", "", "0", "0", "skipped"]])"
              "\n");
}

} // namespace
