// The binding between a window's logic and its widgets, over every kind of control it knows:
// what each field of a control's description does to each kind, that only what changed is
// applied, that a designed text stays until the logic gives one, and what flows back.

#include "forms/qt/ControlBinding.h"
#include "support/Soon.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPalette>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace tb::test {
namespace {

// A logic that records the events raised on it, with the caret of the text boxes then.
class Recorder : public Form
{
public:
    Recorder()
    {
        for (const char *name : {"button", "check", "list", "combo", "action"})
            on(name, ControlEvent::Click, [this, name] { events.push_back(std::string(name)); });
        for (const char *name : {"edit", "plain", "spin"})
            on(name, ControlEvent::Change, [this, name] { events.push_back(std::string(name)); });
        on("window", ControlEvent::KeyDown, [this](EventArgs &key) {
            events.push_back("key " + key.focused);
            key.cancel = key.key == Key::Space;
        });
    }
    std::vector<std::string> events;
};

template<typename W> W *add(QWidget *window, const char *name)
{
    auto *widget = new W(window);
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

TEST(Binding, EachFieldReachesEachKindOfControlAndOnlyWhatChangedIsApplied)
{
    QWidget window;
    window.setObjectName(QStringLiteral("window"));
    auto *label = add<QLabel>(&window, "label");
    label->setText(QStringLiteral("Designed"));
    auto *button = add<QPushButton>(&window, "button");
    auto *check = add<QCheckBox>(&window, "check");
    auto *edit = add<QLineEdit>(&window, "edit");
    auto *plain = add<QPlainTextEdit>(&window, "plain");
    auto *list = add<QListWidget>(&window, "list");
    auto *combo = add<QComboBox>(&window, "combo");
    auto *bar = add<QProgressBar>(&window, "bar");
    auto *spin = add<QSpinBox>(&window, "spin");
    auto *group = add<QGroupBox>(&window, "group");
    auto *menu = add<QMenu>(&window, "menu");
    auto *action = new QAction(&window);
    action->setObjectName(QStringLiteral("action"));
    action->setCheckable(true);
    auto *timer = new QTimer(&window);
    timer->setObjectName(QStringLiteral("timer"));

    Recorder logic;
    Controls &c = logic.controls();
    ControlBinding binding(
        &window, [&logic] { return &logic; },
        [&logic](const std::string &control, ControlEvent event, EventArgs &args) {
            logic.raise(control, event, args);
        });
    int applied = 0;
    QObject::connect(&binding, &ControlBinding::applied, [&applied] { ++applied; });

    c["label"].caption = ""; // a designed text stays until the logic gives one
    c["window"].caption = "Title";
    c["button"].caption = "&Go";
    c["button"].toolTip = "Goes";
    c["check"].checked = true;
    c["edit"].text = "\xC3\x89tude"; // UTF-8
    c["plain"].text = "one\r\ntwo";
    c["list"].items = {"a", "b"};
    c["list"].listIndex = 1;
    c["combo"].items = {"x", "y", "z"};
    c["combo"].listIndex = 2;
    c["bar"].value = 140; // kept within the bar
    c["spin"].value = 7;
    c["group"].caption = "Group";
    c["menu"].caption = "&Menu";
    c["menu"].enabled = false;
    c["action"].checked = true;
    c["action"].visible = false;
    c["timer"].enabled = true;
    c["nothing"].caption = "?";
    binding.apply();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(QStringList({label->text(), window.windowTitle(), button->text(), button->toolTip(),
                           edit->text(), plain->toPlainText(), combo->currentText(), group->title(),
                           menu->title()}),
              QStringLiteral("Designed|Title|&Go|Goes|Étude|one\ntwo|z|Group|&Menu").split(u'|'));
    EXPECT_EQ(std::vector<int>({check->isChecked(), list->count(), list->currentRow(), bar->value(),
                                spin->value(), menu->menuAction()->isEnabled(), action->isChecked(),
                                action->isVisible(), timer->isActive()}),
              std::vector<int>({1, 2, 1, 100, 7, 0, 1, 0, 1}));
    EXPECT_EQ(binding.unknownNames(), std::set<std::string> {"nothing"});

    // Unchanged, nothing is applied again: what the user changed meanwhile stays.
    button->setText(QStringLiteral("Mine"));
    label->setText(QStringLiteral("Mine too"));
    binding.apply();
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(button->text() + label->text(), QStringLiteral("MineMine too"));
    c["label"].caption = "Set";
    c["timer"].enabled = false;
    c["check"].visible = false;
    binding.apply();
    EXPECT_EQ(label->text() + button->text(), QStringLiteral("SetMine"));
    EXPECT_FALSE(timer->isActive() || check->isVisibleTo(&window));
    c["label"].caption = ""; // once given, an empty text is a text
    binding.apply();
    EXPECT_EQ(label->text(), QString());

    // Emphasis draws the text in a colour of its own that still reads on the window's
    // colour, light or dark, and then in the window's own again.
    for (const QColor background : {QColor(Qt::white), QColor(0x30, 0x30, 0x30)}) {
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, background);
        window.setPalette(palette);
        const QColor usual = label->palette().color(QPalette::WindowText);
        c["label"].emphasis = true;
        binding.apply();
        const QColor shown = label->palette().color(QPalette::WindowText);
        EXPECT_NE(shown, usual);
        EXPECT_GT(std::abs(shown.lightness() - background.lightness()), 100);
        c["label"].emphasis = false;
        binding.apply();
        EXPECT_EQ(label->palette().color(QPalette::WindowText), usual);
    }

    // The logic places the caret and the focus, in bytes of its text.
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    c["edit"].selStart = 2; // after "É"
    c["edit"].selLength = 3; // "tud"
    ++c["edit"].focusRequests;
    binding.apply();
    EXPECT_EQ(edit->selectionStart() * 10 + edit->selectionLength(), 13);
    ASSERT_SOON(edit->hasFocus());

    // What the user does flows back, with the caret of every text box at that moment.
    edit->setCursorPosition(4);
    QTest::keyClicks(edit, QStringLiteral("!"));
    EXPECT_EQ(c.at("edit").text, "\xC3\x89tud!e");
    EXPECT_EQ(c.at("edit").selStart, 6);
    plain->setPlainText(QStringLiteral("a\nb"));
    EXPECT_EQ(c.at("plain").text, "a\r\nb");
    button->click();
    check->setVisible(true);
    check->click();
    EXPECT_FALSE(c.at("check").checked);
    list->setCurrentRow(0);
    combo->setCurrentIndex(0);
    EXPECT_EQ(c.at("list").listIndex + c.at("combo").listIndex, 0);
    action->trigger();
    spin->setValue(3);
    EXPECT_EQ(c.at("spin").value, 3);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_TRUE(binding.raiseKeyDown(space, edit));
    // Seen again at the window on its way up, it is the same key; sent again, a new one.
    EXPECT_FALSE(binding.raiseKeyDown(space, &window));
    EXPECT_TRUE(binding.raiseKeyDown(space, edit));
    EXPECT_EQ(logic.events,
              (std::vector<std::string> {"edit", "plain", "button", "check", "list", "combo",
                                         "action", "spin", "key edit", "key edit"}));
    // Showing a text raises no change of it.
    c["edit"].text = "New";
    binding.apply();
    EXPECT_EQ(logic.events.size(), 10u);
}

} // namespace
} // namespace tb::test
