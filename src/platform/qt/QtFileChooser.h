#pragma once

#include "platform/FileChooser.h"

#include <QList>
#include <QString>

namespace tb {

// Open and save dialogs as QFileDialog: the desktop's own dialog where it offers one, else
// Qt's widget dialog. File patterns match in any letter case in both.
class QtFileChooser final : public FileChooser
{
public:
    explicit QtFileChooser(bool widgetDialog = false) : widgetDialog_(widgetDialog) { }
    // Always Qt's widget dialog, even where the desktop has a dialog of its own.
    void setWidgetDialog(bool on) { widgetDialog_ = on; }

    FileChosen choose(const FileChoice &choice) override;

private:
    bool widgetDialog_;
};

struct NameFilter {
    QString label; // what the user sees
    QString filter; // what QFileDialog is given: "label (patterns)"
};

// The name filters of `choice`, in its order. `anyCaseGlobs` spells each letter of a
// pattern as a bracket class, for dialogs that match patterns in their letter case.
QList<NameFilter> nameFiltersFor(const FileChoice &choice, bool anyCaseGlobs);
QString anyCaseGlob(const QString &pattern);

} // namespace tb
