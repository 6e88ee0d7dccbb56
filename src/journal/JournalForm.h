#pragma once

#include "forms/Form.h"
#include "forms/FormCalls.h"
#include "journal/Journal.h"
#include "journal/JournalView.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tb {

class Clock;
class FileChooser;
class MessageBox;

struct JournalServices {
    Journal &journal;
    Clock &clock;
    MessageBox &messages;
    FileChooser &fileChooser;
};

// The practice journal window: the streaks and minutes, the minutes of the last days for
// the chart, and the tasks, newest first, narrowed by what is typed into the search box to
// those that show it in any column.
// The window's table and chart read the rows and days from here.
class JournalForm final : public Form, public JournalView
{
public:
    static constexpr int kChartDays = 30;

    JournalForm(FormCalls &forms, JournalServices services);

    void Form_Load();
    // The window became the active one: tasks recorded meanwhile are read.
    void Form_Activate();
    void txtsearch_Change();
    void cmdexport_Click();
    void cmdclose_Click();

    // Tasks were recorded since the journal was read; `reload` reads it again.
    bool stale() const;
    void reload();

    std::size_t shownCount() const override { return shown_.size(); }
    const TaskRecord &shownTask(std::size_t row) const override { return tasks_[shown_[row]]; }
    std::string shownCell(std::size_t row, JournalColumn column) const override;
    const std::vector<DayPractice> &chartDays() const override { return chart_; }
    std::uint64_t shownVersion() const override { return shownVersion_; }
    void showDatesAs(DateTimeText dates) override;

private:
    void showSummary();
    void applySearch();

    FormCalls &forms_;
    JournalServices s_;

    std::vector<TaskRecord> tasks_;
    DateTimeText dates_;
    // Per task, what a search looks in: its cells as shown, in lower case with every run of
    // blanks made one blank. Made at the first search after the tasks or dates changed.
    std::vector<std::string> searchable_;
    std::vector<std::size_t> shown_;
    std::vector<DayPractice> chart_;
    std::uint64_t seenRevision_ = 0;
    std::uint64_t shownVersion_ = 0;
};

} // namespace tb
