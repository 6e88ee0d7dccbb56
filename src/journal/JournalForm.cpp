#include "journal/JournalForm.h"

#include "journal/JournalCsv.h"
#include "journal/JournalText.h"
#include "journal/PracticeStats.h"
#include "platform/Clock.h"
#include "platform/FileChooser.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "platform/Translator.h"
#include "tallybell/Version.h"

namespace tb {
namespace {

// "%n task(s)" for `count` tasks, in the user's language.
std::string tasksCounted(std::int64_t count)
{
    return trText("JournalForm", "%n task(s)", nullptr, count);
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
        = trText("JournalForm", "Current streak: %n day(s)", nullptr, summary.currentStreak);
    controls_["lbllongest"].caption
        = trText("JournalForm", "Longest streak: %n day(s)", nullptr, summary.longestStreak);
    controls_["lblweek"].caption
        = trText("JournalForm", "This week: %n minute(s)", nullptr, minutesOf(summary.weekSeconds));
    controls_["lblmonth"].caption = trText("JournalForm", "This month: %n minute(s)", nullptr,
                                           minutesOf(summary.monthSeconds));
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
        shown = trText("JournalForm", "No tasks recorded yet");
    else if (query.empty())
        shown = tasksCounted(static_cast<std::int64_t>(tasks_.size()));
    else
        shown = fillIn(trText("JournalForm", "%1 of %2"),
                       {std::to_string(shown_.size()),
                        tasksCounted(static_cast<std::int64_t>(tasks_.size()))});
}

void JournalForm::txtsearch_Change()
{
    applySearch();
}

void JournalForm::cmdexport_Click()
{
    FileChoice choice;
    choice.save = true;
    choice.title = trText("JournalForm", "Export the practice journal");
    choice.filters = {{trText("JournalForm", "CSV files (*.csv)"), "*.csv"},
                      {trText("JournalForm", "All files (*.*)"), "*.*"}};
    choice.fileName = trText("JournalForm", "practice journal") + ".csv";
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
        s_.messages.show(fillIn(trText("JournalForm",
                                       "Couldn't export the practice "
                                       "journal\r\n\r\n%1\r\n\r\n%2"),
                                {chosen.path, written.errorText}),
                         fillIn(trText("JournalForm", "%1 - Disk Error"), {version::kProductName}),
                         MsgIcon::Critical, MsgButtons::Ok);
    else
        s_.messages.show(
            fillIn(trText("JournalForm", "Exported %1 to\r\n\r\n%2"),
                   {tasksCounted(static_cast<std::int64_t>(rows.size())), chosen.path}),
            fillIn(trText("JournalForm", "%1 - Export"), {version::kProductName}),
            MsgIcon::Information, MsgButtons::Ok);
}

void JournalForm::cmdclose_Click()
{
    forms_.unload(FormId::Journal);
}

} // namespace tb
