#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"
#include "journal/Journal.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tb {

class Clock;
class FileChooser;
class MainForm;
class MessageBox;

struct JournalServices {
    Journal &journal;
    Clock &clock;
    MessageBox &messages;
    FileChooser &fileChooser;
};

// The practice journal window: the streaks and minutes, the minutes of the last days for
// the chart, and the tasks, newest first, narrowed by what is typed into the search box.
// The window's table and chart read the rows and days from here.
class JournalForm final : public Form
{
public:
    static constexpr int kChartDays = 30;

    JournalForm(MainForm &main, FormCalls &forms, JournalServices services);

    void Form_Load();
    void txtsearch_Change();
    void cmdexport_Click();
    void cmdclose_Click();

    // Tasks were recorded since the journal was read; `reload` reads it again.
    bool stale() const;
    void reload();

    // The tasks the search lets through, newest first.
    std::size_t shownCount() const { return shown_.size(); }
    const TaskRecord &shownTask(std::size_t row) const { return tasks_[shown_[row]]; }
    // The last kChartDays days up to today, oldest first.
    const std::vector<DayPractice> &chartDays() const { return chart_; }

private:
    void showSummary();
    void applySearch();

    MainForm &main_;
    FormCalls &forms_;
    JournalServices s_;

    std::vector<TaskRecord> tasks_;
    // Per task, what a search looks in: its text, items and dates, in lower case with
    // every run of blanks and line breaks made one blank.
    std::vector<std::string> searchable_;
    std::vector<std::size_t> shown_;
    std::vector<DayPractice> chart_;
    std::uint64_t seenWrites_ = 0;
};

} // namespace tb
