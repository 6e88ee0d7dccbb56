// Every text a user reads goes through the catalogues. With a catalogue that gives each text
// as itself in brackets, every window and every message shows bracketed texts only, beside
// what the user's files hold, numbers and names.

#include "WindowsFixture.h"
#include "forms/qt/ControlBinding.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtTranslator.h"
#include "support/Soon.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>
#include <QTranslator>

#include <optional>
#include <set>
#include <tuple>

namespace tb::test {
namespace {

// Controls that show the user's data or names, not texts of the program's.
const std::set<QString> kData = {
    qs("txtmessage"),   qs("lblTimer"),       qs("lblStartFrom"),      qs("LabelAppTitle"),
    qs("lbltasklist"),  qs("lblTaskNum"),     qs("lblAltTaskNum"),     qs("lblCurrentListNo"),
    qs("lblTitle"),     qs("lblProductName"), qs("lblCompanyProduct"), qs("txttasklist"),
    qs("txtsoundfile"), qs("txtdescription"), qs("Listsongtitles"),    qs("TextCurrentSong"),
};

class Translated : public WindowsFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.load(qEnvironmentVariable("TALLYBELL_PSEUDO_QM")));
        QCoreApplication::installTranslator(&catalogue);
        translating.emplace(&translator);
        WindowsFixture::SetUp();
    }
    void TearDown() override
    {
        WindowsFixture::TearDown();
        translating.reset();
        QCoreApplication::removeTranslator(&catalogue);
    }

    // The texts of `window` not taken from a catalogue, each with where it was found.
    static std::vector<std::string> untranslated(QWidget *window)
    {
        std::vector<std::string> found;
        const auto check = [&found](const QString &where, const QString &text) {
            static const QRegularExpression plain(QStringLiteral("^[\\d\\s:.,/()-]*$"));
            if (text.isEmpty() || plain.match(text).hasMatch() || text == qs("Tallybell")
                || text.startsWith(u'['))
                return;
            found.push_back(QString(where + qs(": ") + text).toStdString());
        };
        check(window->objectName() + qs(" title"), window->windowTitle());
        const auto widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            const QString name = widget->objectName();
            if (kData.count(name) || !widget->isVisibleTo(window))
                continue;
            // The links' tool tips are their addresses.
            if (!name.startsWith(qs("lblgotowebsite")) && name != qs("lblemail"))
                check(name + qs(" tool tip"), widget->toolTip());
            if (auto *label = qobject_cast<QLabel *>(widget))
                check(name, label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                check(name, button->text());
            else if (auto *group = qobject_cast<QGroupBox *>(widget))
                check(name, group->title());
            else if (auto *combo = qobject_cast<QComboBox *>(widget))
                for (int i = 0; i < combo->count(); ++i)
                    check(name, combo->itemText(i));
        }
        const auto actions = window->findChildren<QAction *>();
        for (QAction *action : actions) {
            if (!action->isSeparator())
                check(action->objectName(), action->text());
        }
        return found;
    }
    void open(const char *entry, FormId id)
    {
        window->findChild<QAction *>(qs(entry))->trigger();
        ASSERT_NE(windows->window(id), nullptr);
    }

    QTranslator catalogue;
    QtTranslator translator;
    std::optional<ScopedTranslator> translating;
};

TEST_F(Translated, EveryWindowAndMessageShowsTranslatedTextsOnly)
{
    EXPECT_EQ(untranslated(window.get()), std::vector<std::string> {});
    window->findChild<QAbstractButton *>(qs("cmdstartstop"))->click(); // the running layout
    window->findChild<QAbstractButton *>(qs("cmdpause"))->click();
    EXPECT_EQ(untranslated(window.get()), std::vector<std::string> {});
    window->findChild<QAbstractButton *>(qs("cmdstartstop"))->click();
    for (const auto &[entry, id] : {std::pair {"optionsalm", FormId::Options},
                                    {"fileedit", FormId::TaskEditor},
                                    {"editfilesong", FormId::ListEditor},
                                    {"helpabout", FormId::About},
                                    {"filejournal", FormId::Journal}}) {
        SCOPED_TRACE(entry);
        open(entry, id);
        EXPECT_EQ(untranslated(windows->window(id)), std::vector<std::string> {});
    }
    // Messages too: a refusal and a question.
    program->dispatch(FormId::ListEditor, "cmdAdd", ControlEvent::Click);
    program->dispatch(FormId::TaskEditor, "TaskspinUp", ControlEvent::Click);
    program->dispatch(FormId::TaskEditor, "cmdcancel", ControlEvent::Click);
    ASSERT_EQ(messages.shown.size(), 2u);
    for (const ShownMessage &shown : messages.shown)
        EXPECT_TRUE(shown.text.starts_with("[")) << shown.text;
}

// Each language's texts fit their windows: no caption, button or list entry is cut, no
// window needs more than a small laptop's screen and no menu more than half of it. Pictures of the
// windows are kept for a person to look at.
class InLanguage : public WindowsFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.load(qs(":/i18n/tallybell_%1.qm").arg(qs(GetParam()))));
        ASSERT_TRUE(qtCatalogue.load(QLocale(qs(GetParam())), qs("qtbase"), qs("_"),
                                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            << "Qt's own catalogues are missing";
        QCoreApplication::installTranslator(&catalogue);
        QCoreApplication::installTranslator(&qtCatalogue);
        translating.emplace(&translator);
        WindowsFixture::SetUp();
    }
    void TearDown() override
    {
        WindowsFixture::TearDown();
        translating.reset();
        QCoreApplication::removeTranslator(&qtCatalogue);
        QCoreApplication::removeTranslator(&catalogue);
    }

    // The controls of `window` whose text is wider than the control shows.
    static std::vector<std::string> cut(QWidget *window)
    {
        std::vector<std::string> found;
        QCoreApplication::processEvents();
        const auto widgets = window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (kData.count(widget->objectName()) || !widget->isVisibleTo(window))
                continue;
            auto *label = qobject_cast<QLabel *>(widget);
            const bool shows = (label && !label->wordWrap() && !label->text().isEmpty())
                || qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget);
            if (shows && widget->sizeHint().width() > widget->width())
                found.push_back(widget->objectName().toStdString() + " "
                                + std::to_string(widget->sizeHint().width()) + ">"
                                + std::to_string(widget->width()));
        }
        const QSize least = window->minimumSizeHint();
        // A small laptop's screen, less its panel.
        if (least.width() > 1024 || least.height() > 560)
            found.push_back("the window needs " + std::to_string(least.width()) + "x"
                            + std::to_string(least.height()));
        const auto menus = window->findChildren<QMenu *>();
        for (QMenu *menu : menus) {
            if (menu->sizeHint().width() > 512)
                found.push_back(menu->objectName().toStdString() + " is wider than 512");
        }
        return found;
    }
    void keepShot(QWidget *shown, const char *name) const
    {
        const QString shots = qEnvironmentVariable("TALLYBELL_SHOT_DIR");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            shown->grab().save(shots + qs("/%1-%2.png").arg(qs(GetParam()), qs(name)));
    }

    QTranslator catalogue;
    QTranslator qtCatalogue;
    QtTranslator translator;
    std::optional<ScopedTranslator> translating;
};

TEST_P(InLanguage, EveryTextFitsItsWindow)
{
    EXPECT_EQ(cut(window.get()), std::vector<std::string> {});
    keepShot(window.get(), "main");
    window->findChild<QAbstractButton *>(qs("cmdstartstop"))->click();
    window->findChild<QAbstractButton *>(qs("cmdpause"))->click();
    EXPECT_EQ(cut(window.get()), std::vector<std::string> {}) << "paused";
    keepShot(window.get(), "paused");
    window->findChild<QAbstractButton *>(qs("cmdstartstop"))->click();
    for (const auto &[entry, id, name] : {std::tuple {"optionsalm", FormId::Options, "options"},
                                          {"fileedit", FormId::TaskEditor, "taskeditor"},
                                          {"editfilesong", FormId::ListEditor, "listeditor"},
                                          {"helpabout", FormId::About, "about"},
                                          {"filejournal", FormId::Journal, "journal"}}) {
        SCOPED_TRACE(entry);
        window->findChild<QAction *>(qs(entry))->trigger();
        QWidget *dialog = windows->window(id);
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        EXPECT_EQ(cut(dialog), std::vector<std::string> {});
        keepShot(dialog, name);
    }
    // A real message box, with Qt's own buttons in the language too.
    QTimer::singleShot(100, [this] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(cut(box), std::vector<std::string> {});
        for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
            EXPECT_NE(button->text(), qs("&Yes")) << "Qt's buttons in the language";
        keepShot(box, "message");
        box->close();
    });
    QtMessageBox().show(trText("MainForm", "The time is up on this task"), "Tallybell",
                        MsgIcon::Information, MsgButtons::YesNo);
}

INSTANTIATE_TEST_SUITE_P(Catalogues, InLanguage, ::testing::Values("de", "es", "fr", "it"));

} // namespace
} // namespace tb::test
