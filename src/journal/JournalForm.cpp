#include "journal/JournalForm.h"

#include "journal/JournalCsv.h"
#include "journal/JournalText.h"
#include "journal/PracticeStats.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "settings/SafeFile.h"
#include "tallybell/Version.h"

namespace tb {
namespace {

std::string counted(std::int64_t count, const char *one, const char *many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// Lower case (ASCII letters; other bytes as they are), blanks and line breaks folded.
std::string searchForm(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    bool blank = true; // leading blanks go
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!blank)
                folded += ' ';
            blank = true;
            continue;
        }
        folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        blank = false;
    }
    if (!folded.empty() && folded.back() == ' ')
        folded.pop_back();
    return folded;
}

} // namespace

JournalForm::JournalForm(FormCalls &forms, JournalServices services) : forms_(forms), s_(services)
{
    for (const char *name : {"lblstreak", "lbllongest", "lblweek", "lblmonth", "lblshown"})
        controls_[name];
    controls_["txtsearch"];
    on("txtsearch", ControlEvent::Change, [this] { txtsearch_Change(); });
    on("cmdexport", ControlEvent::Click, [this] { cmdexport_Click(); });
    on("cmdclose", ControlEvent::Click, [this] { cmdclose_Click(); });
    on("frmjournal", ControlEvent::Activate, [this] { Form_Activate(); });
}

void JournalForm::Form_Load()
{
    reload();
}

void JournalForm::Form_Activate()
{
    if (stale())
        reload();
}

bool JournalForm::stale() const
{
    return seenRevision_ != s_.journal.revision();
}

void JournalForm::reload()
{
    seenRevision_ = s_.journal.revision();
    tasks_ = s_.journal.tasks();
    searchable_.clear();
    showSummary();
    applySearch();
}

void JournalForm::showSummary()
{
    const std::vector<DayPractice> days = s_.journal.practiceByDay();
    const std::string today = localDay(s_.clock.now());
    const PracticeSummary summary = summarisePractice(days, today);
    chart_ = recentDays(days, today, kChartDays);
    ++shownVersion_;
    controls_["lblstreak"].caption
        = "Current streak: " + counted(summary.currentStreak, "day", "days");
    controls_["lbllongest"].caption
        = "Longest streak: " + counted(summary.longestStreak, "day", "days");
    controls_["lblweek"].caption
        = "This week: " + counted(minutesOf(summary.weekSeconds), "minute", "minutes");
    controls_["lblmonth"].caption
        = "This month: " + counted(minutesOf(summary.monthSeconds), "minute", "minutes");
}

std::string JournalForm::shownCell(std::size_t row, JournalColumn column) const
{
    return cellText(shownTask(row), column, dates_);
}

void JournalForm::showDatesAs(DateTimeText dates)
{
    dates_ = std::move(dates);
    searchable_.clear();
    applySearch();
}

void JournalForm::applySearch()
{
    const std::string query = searchForm(controls_["txtsearch"].text);
    if (!query.empty() && searchable_.size() != tasks_.size()) {
        searchable_.reserve(tasks_.size());
        for (const TaskRecord &task : tasks_) {
            // The cells apart: no search finds the end of one and the start of the next.
            std::string cells;
            for (int column = 0; column < static_cast<int>(JournalColumn::Count); ++column)
                cells.append(searchForm(cellText(task, JournalColumn(column), dates_)))
                    .append(1, '\0');
            searchable_.push_back(std::move(cells));
        }
    }
    ++shownVersion_;
    shown_.clear();
    for (std::size_t i = 0; i < tasks_.size(); ++i)
        if (query.empty() || searchable_[i].find(query) != std::string::npos)
            shown_.push_back(i);
    std::string &shown = controls_["lblshown"].caption;
    if (tasks_.empty())
        shown = "No tasks recorded yet";
    else if (query.empty())
        shown = counted(static_cast<std::int64_t>(tasks_.size()), "task", "tasks");
    else
        shown = std::to_string(shown_.size()) + " of "
            + counted(static_cast<std::int64_t>(tasks_.size()), "task", "tasks");
}

void JournalForm::txtsearch_Change()
{
    applySearch();
}

void JournalForm::cmdexport_Click()
{
    FileChoice choice;
    choice.save = true;
    choice.title = "Export the practice journal";
    choice.filters = {{"CSV files (*.csv)", "*.csv"}, {"All files (*.*)", "*.*"}};
    choice.fileName = "practice journal.csv";
    choice.defaultExt = "csv";
    const FileChosen chosen = s_.fileChooser.choose(choice);
    if (!chosen.accepted)
        return;
    std::vector<const TaskRecord *> rows;
    rows.reserve(shown_.size());
    for (const std::size_t i : shown_)
        rows.push_back(&tasks_[i]);
    const FileWrite written = writeFileAtomically(chosen.path, tasksAsCsv(rows));
    if (!written)
        s_.messages.show("Couldn't export the practice journal\r\n\r\n" + chosen.path + "\r\n\r\n"
                             + written.errorText,
                         std::string(version::kProductName) + " - Disk Error", MsgIcon::Critical,
                         MsgButtons::Ok);
    else
        s_.messages.show(
            "Exported " + counted(static_cast<std::int64_t>(rows.size()), "task", "tasks")
                + " to\r\n\r\n" + chosen.path,
            std::string(version::kProductName) + " - Export", MsgIcon::Information, MsgButtons::Ok);
}

void JournalForm::cmdclose_Click()
{
    forms_.unload(FormId::Journal);
}

} // namespace tb
