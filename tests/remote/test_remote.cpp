// Commands from outside the window, the panel icon's look and the media player, over the
// fakes: each command in each state of the session goes the way of the window's button.

#include "remote/MediaPlayer.h"
#include "remote/PanelLook.h"
#include "support/ProgramFixture.h"

#include <array>
#include <filesystem>
#include <optional>

namespace tb::test {
namespace {

enum class State { Stopped, Running, Paused, TimeUp };

class Remote : public ProgramFixture
{
protected:
    // A loaded program over `tasks` tasks of ten seconds each, the message at each task's end
    // on or off.
    void startWith(int tasks, bool messageAtEnd = false)
    {
        loaded(tasks, "testmode",
               {{"options", "Stop Between tasks", messageAtEnd ? "True" : "False"}});
        program->remote().setShowWindow([this] { ++shown; });
    }
    // `command` in `state`: its reply, taken while the time-up message is open for TimeUp.
    CommandReply runIn(State state, RemoteCommand command)
    {
        startWith(3, state == State::TimeUp);
        if (state != State::Stopped) {
            click("cmdstartstop");
            tick(2);
        }
        if (state == State::Paused)
            click("cmdpause");
        if (state != State::TimeUp)
            return program->remote().run(command);
        CommandReply reply;
        messages.whileOpen = [&] { reply = program->remote().run(command); };
        tick(8);
        messages.whileOpen = nullptr;
        return reply;
    }
    // "r" running, "p" paused, "s" skipping, then the task.
    std::string session() const
    {
        return std::string(form->sessionRunning() ? "r" : "") + (form->sessionPaused() ? "p" : "")
            + (form->skippedtonext ? "s" : "") + std::to_string(form->currenttask);
    }
    int shown = 0;
};

TEST_F(Remote, EachCommandInEachStateIsTheWindowsButtonOrRefusedAsItsClickWouldBe)
{
    using C = RemoteCommand;
    const C commands[]
        = {C::Start, C::StartStop, C::Stop, C::Pause, C::Resume, C::TogglePause, C::Next, C::Show};
    // Each command's outcome, in the order above: the session after it ("r" running, "p"
    // paused, "s" skipping, then the task), after a "-" when it is refused. Paused, the skip
    // waits for the resume, as the button's does. The message is modal: nothing acts until it
    // is answered, and then the next task runs as it would have. Show raises the window in
    // every state.
    const std::pair<State, std::array<const char *, 8>> table[] = {
        {State::Stopped, {"r1", "r1", "-1", "-1", "-1", "-1", "-1", "1"}},
        {State::Running, {"-r1", "1", "1", "rp1", "-r1", "rp1", "rs1", "r1"}},
        {State::Paused, {"-rp1", "1", "1", "-rp1", "r1", "r1", "rps1", "rp1"}},
        {State::TimeUp, {"-r2", "-r2", "-r2", "-r2", "-r2", "-r2", "-r2", "r2"}},
    };
    for (const auto &[state, outcomes] : table)
        for (std::size_t i = 0; i < 8; ++i) {
            shown = 0;
            const CommandReply reply = runIn(state, commands[i]);
            EXPECT_EQ(shown, commands[i] == C::Show ? 1 : 0);
            EXPECT_EQ((reply.done ? "" : "-") + session(), outcomes[i])
                << "state " << static_cast<int>(state) << ", " << commandWord(commands[i]);
            EXPECT_EQ(reply.text.empty(), reply.done) << reply.text;
        }
}

TEST_F(Remote, StatusAnswersInEveryStateMessageOrNot)
{
    const std::pair<State, const char *> table[] = {
        {State::Stopped, "stopped\ntask 1 of 3\nTask 1\n00:10\n"},
        {State::Running, "running\ntask 1 of 3\nTask 1\n00:08\n"},
        {State::Paused, "paused\ntask 1 of 3\nTask 1\n00:08\n"},
        {State::TimeUp, "time up\ntask 1 of 3\nTask 1\n00:00\n"},
    };
    for (const auto &[state, status] : table)
        EXPECT_EQ(runIn(state, RemoteCommand::Status).text, status) << static_cast<int>(state);
}

TEST_F(Remote, StartAsksTheButtonsQuestion)
{
    startWith(0);
    messages.defaultAnswer = MsgResult::No;
    EXPECT_TRUE(program->remote().run(RemoteCommand::Start).done);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "No Tasks exist in this Task List, Would you like to add some?");
    EXPECT_FALSE(form->sessionRunning());
}

TEST_F(Remote, ThePanelIconChangesWithTheSixteenthAndTheMinuteOnly)
{
    using L = PanelLook::State;
    MainForm::Countdown task {true, false, false, 2, 5, 600, 600, "Scales"};
    const std::pair<int, PanelLook> table[] = {
        {600, {L::Counting, 16, 10}}, {599, {L::Counting, 16, 10}}, {563, {L::Counting, 16, 10}},
        {562, {L::Counting, 15, 10}}, {540, {L::Counting, 15, 9}},  {450, {L::Counting, 12, 8}},
        {60, {L::Counting, 2, 1}},    {1, {L::Counting, 1, 1}},     {0, {L::Counting, 0, 0}},
    };
    for (const auto &[left, look] : table) {
        task.left = left;
        EXPECT_EQ(PanelLook::of(task), look) << left;
    }
    task.paused = true;
    task.left = 450;
    EXPECT_EQ(PanelLook::of(task), (PanelLook {L::Paused, 12, 8}));
    EXPECT_EQ(PanelLook::toolTip(task), "Scales\nTask 2 of 5\n8 minutes left\nPaused");
    task.running = false;
    EXPECT_EQ(PanelLook::of(task), PanelLook {});
    EXPECT_EQ(PanelLook::toolTip(task), "Tallybell");
    EXPECT_EQ(oneLine("Scales\r\nin thirds\r\n"), "Scales in thirds");
}

TEST_F(Remote, TheMediaPlayerSaysOnlyWhatChangedAndIsThereOnlyWhileOptedInAndCounting)
{
    startWith(2);
    MediaPlayer player(*form, list());
    click("cmdstartstop");
    EXPECT_FALSE(player.look().wanted) << "the option is off";

    click("cmdstartstop");
    list().setMediaKeys(true);
    player.look();
    EXPECT_FALSE(player.wanted());
    click("cmdstartstop");
    MediaPlayer::Changes changes = player.look();
    EXPECT_TRUE(changes.wanted);
    EXPECT_EQ(player.playbackStatus(), "Playing");
    EXPECT_EQ(player.track(),
              (MediaPlayer::Track {"/org/example/orvane/Tallybell/Track2", "Task 1", "tasks",
                                   10'000'000}));

    // Counting says nothing; the position is read when asked.
    for (int second = 0; second < 3; ++second) {
        tick(1);
        changes = player.look();
        EXPECT_FALSE(changes.wanted || changes.status || changes.metadata || changes.seeked);
    }
    EXPECT_EQ(player.positionUs(), 3'000'000);

    click("cmdpause");
    changes = player.look();
    EXPECT_TRUE(changes.status && !changes.metadata && !changes.seeked);
    EXPECT_EQ(player.playbackStatus(), "Paused");
    tick(5);
    EXPECT_EQ(player.positionUs(), 3'000'000);
    click("cmdpause");
    player.look();

    click("Imagemoveon");
    tick(1);
    changes = player.look();
    EXPECT_TRUE(changes.metadata && changes.seeked && !changes.status);
    EXPECT_EQ(player.track().title, "Task 2");
    EXPECT_EQ(player.positionUs(), 0);

    click("cmdstartstop");
    changes = player.look();
    EXPECT_TRUE(changes.wanted && changes.status);
    EXPECT_FALSE(player.wanted());
    EXPECT_EQ(player.playbackStatus(), "Stopped");
}

} // namespace
} // namespace tb::test
