// Every window, in English and through each catalogue: every control its logic describes is
// in it, and the windows fit a small laptop's screen. A pseudo catalogue gives each text as
// itself in brackets: every window and message then shows bracketed texts only, beside what
// the user's files hold, numbers and names. In each language no text is cut; pictures of the
// windows are kept for a person to look at.

#include "WindowsFixture.h"
#include "forms/qt/ControlBinding.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtTranslator.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
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

class EveryWindow : public WindowsFixture, public ::testing::WithParamInterface<const char *>
{
protected:
    void SetUp() override
    {
        if (language != u"en") {
            ASSERT_TRUE(catalogue.load(pseudo ? qEnvironmentVariable("TALLYBELL_PSEUDO_QM")
                                              : qs(":/i18n/tallybell_%1.qm").arg(language)));
            ASSERT_TRUE(pseudo
                        || qtCatalogue.load(QLocale(language), qs("qtbase"), qs("_"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                << "Qt's own catalogues are missing";
            QCoreApplication::installTranslator(&catalogue);
            QCoreApplication::installTranslator(&qtCatalogue);
        }
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

    // What is wrong with `shown`, each with where; a picture of it is kept.
    std::vector<std::string> problems(QWidget *shown, const char *name) const
    {
        std::vector<std::string> found;
        const auto say = [&found](const QString &what) { found.push_back(what.toStdString()); };
        const auto untranslated = [&](const QString &where, const QString &text) {
            static const QRegularExpression plain(QStringLiteral("^[\\d\\s:.,/()-]*$"));
            if (pseudo && !text.isEmpty() && !plain.match(text).hasMatch()
                && text != qs("Tallybell") && !text.startsWith(u'['))
                say(where + qs(" untranslated: ") + text);
        };
        QCoreApplication::processEvents();
        if (auto *binding = shown->findChild<ControlBinding *>())
            for (const std::string &unknown : binding->unknownNames())
                say(qs("no control %1").arg(QString::fromStdString(unknown)));
        untranslated(qs("title"), shown->windowTitle());
        for (QWidget *widget : shown->findChildren<QWidget *>()) {
            const QString where = widget->objectName();
            if (kData.count(where) || !widget->isVisibleTo(shown))
                continue;
            if (!where.startsWith(qs("lblgotowebsite")) && where != qs("lblemail")) // addresses
                untranslated(where + qs(" tool tip"), widget->toolTip());
            auto *label = qobject_cast<QLabel *>(widget);
            auto *button = qobject_cast<QAbstractButton *>(widget);
            auto *combo = qobject_cast<QComboBox *>(widget);
            untranslated(where, label ? label->text() : button ? button->text() : QString());
            if (auto *group = qobject_cast<QGroupBox *>(widget))
                untranslated(where, group->title());
            for (int i = 0; combo && i < combo->count(); ++i)
                untranslated(where, combo->itemText(i));
            if (((label && !label->wordWrap() && !label->text().isEmpty()) || button || combo)
                && widget->sizeHint().width() > widget->width())
                say(qs("%1 cut: %2 > %3")
                        .arg(where)
                        .arg(widget->sizeHint().width())
                        .arg(widget->width()));
        }
        for (QAction *action : shown->findChildren<QAction *>())
            if (!action->isSeparator())
                untranslated(action->objectName(), action->text());
        for (QMenu *menu : shown->findChildren<QMenu *>())
            if (menu->sizeHint().width() > 512)
                say(menu->objectName() + qs(" wider than 512"));
        // A small laptop's screen, less its panel; and where it opens, the screen it is on.
        const QSize least = shown->minimumSizeHint();
        if (least.width() > 1024 || least.height() > 560
            || !shown->screen()->availableGeometry().contains(shown->frameGeometry()))
            say(qs("needs %1x%2").arg(least.width()).arg(least.height()));
        if (!pseudo)
            keepShot(shown, qs("%1-%2.png").arg(language, qs(name)));
        return found;
    }

    const QString language = qs(GetParam());
    const bool pseudo = language == u"pseudo";
    QTranslator catalogue;
    QTranslator qtCatalogue;
    QtTranslator translator;
    std::optional<ScopedTranslator> translating;
};

TEST_P(EveryWindow, HasItsControlsAndShowsItsTextsTranslatedAndWhole)
{
    using None = std::vector<std::string>;
    EXPECT_EQ(problems(window.get(), "main"), None {});
    window->findChild<QAbstractButton *>(qs("cmdstartstop"))->click(); // the running layout
    window->findChild<QAbstractButton *>(qs("cmdpause"))->click();
    EXPECT_EQ(problems(window.get(), "paused"), None {});
    window->findChild<QAbstractButton *>(qs("cmdstartstop"))->click();
    for (const auto &[entry, id, name] : {std::tuple {"optionsalm", FormId::Options, "options"},
                                          {"fileedit", FormId::TaskEditor, "taskeditor"},
                                          {"editfilesong", FormId::ListEditor, "listeditor"},
                                          {"helpabout", FormId::About, "about"},
                                          {"filejournal", FormId::Journal, "journal"}}) {
        QWidget *dialog = open(entry, id);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(problems(dialog, name), None {}) << entry;
    }
    if (pseudo) { // the logic's messages: a refusal and a question
        program->dispatch(FormId::ListEditor, "cmdAdd", ControlEvent::Click);
        program->dispatch(FormId::TaskEditor, "TaskspinUp", ControlEvent::Click);
        program->dispatch(FormId::TaskEditor, "cmdcancel", ControlEvent::Click);
        ASSERT_EQ(messages.shown.size(), 2u);
        for (const ShownMessage &shown : messages.shown)
            EXPECT_TRUE(shown.text.starts_with("[")) << shown.text;
        return;
    }
    // A real message box, with Qt's own buttons in the language too.
    QTimer::singleShot(100, [this] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(problems(box, "message"), None {});
        for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
            EXPECT_TRUE(language == u"en" || button->text() != qs("&Yes")) << "Qt's own buttons";
        box->close();
    });
    QtMessageBox().show(trText("MainForm", "The time is up on this task"), "Tallybell",
                        MsgIcon::Information, MsgButtons::YesNo);
}

INSTANTIATE_TEST_SUITE_P(Catalogues, EveryWindow,
                         ::testing::Values("en", "pseudo", "de", "es", "fr", "it"),
                         [](const auto &each) { return std::string(each.param); });

} // namespace
} // namespace tb::test
