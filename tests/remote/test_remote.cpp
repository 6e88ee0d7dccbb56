// Commands from outside the window, the panel icon's look and the media player, over the
// fakes: each command in each state of the session goes the way of the window's button.

#include "remote/MediaPlayer.h"
#include "remote/PanelLook.h"
#include "support/ProgramFixture.h"

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
    // running, paused, skipping, task
    std::tuple<bool, bool, bool, int> session() const
    {
        return {form->sessionRunning(), form->sessionPaused(), form->skippedtonext,
                form->currenttask};
    }
    int shown = 0;
};

TEST_F(Remote, EachCommandInEachStateIsTheWindowsButtonOrRefusedAsItsClickWouldBe)
{
    using C = RemoteCommand;
    using S = State;
    struct Row {
        State state;
        RemoteCommand command;
        bool done;
        std::tuple<bool, bool, bool, int> after; // running, paused, skipping, task
    };
    const Row table[] = {
        {S::Stopped, C::Start, true, {true, false, false, 1}},
        {S::Stopped, C::StartStop, true, {true, false, false, 1}},
        {S::Stopped, C::Stop, false, {false, false, false, 1}},
        {S::Stopped, C::Pause, false, {false, false, false, 1}},
        {S::Stopped, C::Resume, false, {false, false, false, 1}},
        {S::Stopped, C::TogglePause, false, {false, false, false, 1}},
        {S::Stopped, C::Next, false, {false, false, false, 1}},
        {S::Running, C::Start, false, {true, false, false, 1}},
        {S::Running, C::StartStop, true, {false, false, false, 1}},
        {S::Running, C::Stop, true, {false, false, false, 1}},
        {S::Running, C::Pause, true, {true, true, false, 1}},
        {S::Running, C::Resume, false, {true, false, false, 1}},
        {S::Running, C::TogglePause, true, {true, true, false, 1}},
        {S::Running, C::Next, true, {true, false, true, 1}},
        {S::Paused, C::Start, false, {true, true, false, 1}},
        {S::Paused, C::Stop, true, {false, false, false, 1}},
        {S::Paused, C::Pause, false, {true, true, false, 1}},
        {S::Paused, C::Resume, true, {true, false, false, 1}},
        {S::Paused, C::TogglePause, true, {true, false, false, 1}},
        // As the button: the skip waits for the resume.
        {S::Paused, C::Next, true, {true, true, true, 1}},
        // The message is modal: nothing acts until it is answered, and then the next task
        // runs as it would have.
        {S::TimeUp, C::Start, false, {true, false, false, 2}},
        {S::TimeUp, C::StartStop, false, {true, false, false, 2}},
        {S::TimeUp, C::Stop, false, {true, false, false, 2}},
        {S::TimeUp, C::Pause, false, {true, false, false, 2}},
        {S::TimeUp, C::TogglePause, false, {true, false, false, 2}},
        {S::TimeUp, C::Next, false, {true, false, false, 2}},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(::testing::Message() << "state " << static_cast<int>(row.state) << ", "
                                          << commandWord(row.command));
        const CommandReply reply = runIn(row.state, row.command);
        EXPECT_EQ(reply.done, row.done) << reply.text;
        EXPECT_EQ(reply.text.empty(), row.done);
        EXPECT_EQ(session(), row.after);
    }
}

TEST_F(Remote, StatusAndShowAnswerInEveryStateMessageOrNot)
{
    const std::pair<State, const char *> table[] = {
        {State::Stopped, "stopped\ntask 1 of 3\nTask 1\n00:10\n"},
        {State::Running, "running\ntask 1 of 3\nTask 1\n00:08\n"},
        {State::Paused, "paused\ntask 1 of 3\nTask 1\n00:08\n"},
        {State::TimeUp, "time up\ntask 1 of 3\nTask 1\n00:00\n"},
    };
    for (const auto &[state, status] : table) {
        SCOPED_TRACE(static_cast<int>(state));
        EXPECT_EQ(runIn(state, RemoteCommand::Status).text, status);
        shown = 0;
        EXPECT_TRUE(runIn(state, RemoteCommand::Show).done);
        EXPECT_EQ(shown, 1);
    }
}

TEST_F(Remote, StartAsksTheButtonsQuestionAndWordsNameEachCommand)
{
    startWith(0);
    messages.defaultAnswer = MsgResult::No;
    EXPECT_TRUE(program->remote().run(RemoteCommand::Start).done);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "No Tasks exist in this Task List, Would you like to add some?");
    EXPECT_FALSE(form->sessionRunning());

    for (const char *word : {"start", "stop", "start-stop", "pause", "resume", "toggle-pause",
                             "next", "show", "status"})
        EXPECT_EQ(commandWord(*commandFromWord(word)), word);
    EXPECT_FALSE(commandFromWord("quit"));
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
    int changes = 0;
    PanelLook drawn = PanelLook::of(task);
    for (task.left = 600; task.left >= 0; --task.left)
        if (const PanelLook now = PanelLook::of(task); !(now == drawn)) {
            ++changes;
            drawn = now;
        }
    EXPECT_LE(changes, 16 + 10);
    EXPECT_GE(changes, 16);

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
