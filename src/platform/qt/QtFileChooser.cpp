#include "platform/qt/QtFileChooser.h"

#include "platform/qt/Text.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include <utility>

namespace tb {

namespace {

bool isWildcard(const std::string &name)
{
    return name.find_first_of("*?") != std::string::npos;
}

QStringList patternsOf(const std::string &text)
{
    QStringList patterns;
    const QStringList parts = fromFileBytes(text).split(QLatin1Char(';'));
    for (const QString &part : parts) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty())
            patterns.append(pattern);
    }
    return patterns;
}

QString fromPath(const std::string &path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

QString anyCaseGlob(const QString &pattern)
{
    QString glob;
    bool inClass = false;
    for (const QChar c : pattern) {
        // Classes already written stay as they are. Only ASCII letters are spelled out: Qt
        // drops a filter whose patterns hold other characters.
        if (inClass || c.unicode() > 0x7f || !c.isLetter()) {
            if (c == QLatin1Char('['))
                inClass = true;
            else if (c == QLatin1Char(']'))
                inClass = false;
            glob += c;
            continue;
        }
        glob += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
    }
    return glob;
}

QList<NameFilter> nameFiltersFor(const FileChoice &choice, bool anyCaseGlobs)
{
    QList<NameFilter> filters;
    for (const auto &[description, pattern] : choice.filters) {
        QStringList shown = patternsOf(pattern);
        if (shown.isEmpty() && isWildcard(choice.fileName))
            shown = patternsOf(choice.fileName);

        NameFilter filter;
        filter.label = fromFileBytes(description).trimmed();
        // Descriptions usually name their patterns already: "All Files (*.*)".
        if (!shown.isEmpty() && !filter.label.endsWith(QLatin1Char(')')))
            filter.label += QStringLiteral(" (") + shown.join(QLatin1Char(' ')) + QLatin1Char(')');

        QStringList given;
        for (const QString &p : std::as_const(shown)) {
            // "*.*" has always meant every file, with or without an extension.
            if (p == QStringLiteral("*.*"))
                given.append(QStringLiteral("*"));
            else
                given.append(anyCaseGlobs ? anyCaseGlob(p) : p);
        }
        if (given.isEmpty())
            given.append(QStringLiteral("*"));
        filter.filter
            = filter.label + QStringLiteral(" (") + given.join(QLatin1Char(' ')) + QLatin1Char(')');
        filters.append(filter);
    }
    return filters;
}

FileChosen QtFileChooser::choose(const FileChoice &choice)
{
    QString folder = fromPath(choice.folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();

    QFileDialog dialog(QApplication::activeWindow(), fromFileBytes(choice.title), folder);
    if (widgetDialog_)
        dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    // Qt builds its own dialog's widgets together with the dialog; for a desktop dialog it
    // builds none. Qt's own dialog matches patterns in any case by itself, and must be given
    // plain ones: on a save it copies the pattern's extension into the typed name. The GTK
    // dialog matches patterns case-sensitively.
    const bool desktopDialog
        = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo")) == nullptr;

    // A name that need not exist is chosen in a save dialog: an open dialog of the desktop
    // (GTK's, the portal's) picks existing files only.
    dialog.setAcceptMode(choice.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(choice.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !choice.confirmOverwrite);
    // A desktop dialog shows the label as it is: its mnemonics are written otherwise.
    if (!choice.acceptLabel.empty()) {
        QString label = fromFileBytes(choice.acceptLabel);
        static const QRegularExpression mnemonic(QStringLiteral("&(?!&)"));
        if (desktopDialog)
            label.remove(mnemonic);
        dialog.setLabelText(QFileDialog::Accept, label);
    }
    dialog.setDefaultSuffix(fromPath(choice.defaultExt));
    // Qt's dialog then lists a filter by its label alone; desktop dialogs show the part
    // before the patterns' parenthesis.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);

    const QList<NameFilter> filters = nameFiltersFor(choice, desktopDialog);
    QStringList given;
    for (const NameFilter &f : filters)
        given.append(f.filter);
    if (!given.isEmpty()) {
        dialog.setNameFilters(given);
        if (choice.filterIndex >= 1 && choice.filterIndex <= given.size())
            dialog.selectNameFilter(given.at(choice.filterIndex - 1));
    }
    if (!choice.fileName.empty() && !isWildcard(choice.fileName))
        dialog.selectFile(fromPath(choice.fileName));

    FileChosen chosen;
    chosen.filterIndex = choice.filterIndex;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return chosen;

    chosen.accepted = true;
    chosen.path = QFile::encodeName(files.first()).toStdString();
    // Qt's dialog names the selected filter by its label, a desktop dialog by the filter.
    const QString selected = dialog.selectedNameFilter();
    for (qsizetype i = 0; i < filters.size(); ++i) {
        if (filters.at(i).filter == selected || filters.at(i).label == selected) {
            chosen.filterIndex = static_cast<int>(i + 1);
            break;
        }
    }
    return chosen;
}

} // namespace tb
