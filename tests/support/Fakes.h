#pragma once

// Scripted stand-ins for the outside world, so that logic tests run in milliseconds.

#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/ScreenSaver.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/Sound.h"
#include "platform/Speech.h"
#include "platform/WindowOps.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tb::test {

// Three readings a test moves one by one; advance() is time passing on an awake machine.
// They start far apart, so that a length taken across two of them shows.
class FakeClock : public Clock
{
public:
    std::int64_t now() const override { return t; }
    std::int64_t monotonic() const override { return steady; }
    std::int64_t sinceBoot() const override { return boot; }
    void advance(std::int64_t seconds)
    {
        t += seconds;
        steady += seconds;
        boot += seconds;
    }
    std::int64_t t = 1'800'000'000; // some afternoon in 2027
    std::int64_t steady = 90'000;
    std::int64_t boot = 95'000; // slept for some time since boot
};

// Returns the scripted numbers in turn (each taken modulo n), then `fallback`.
class FakeRandom : public Random
{
public:
    int below(int n) override
    {
        ++calls;
        int v = fallback;
        if (!script.empty()) {
            v = script.front();
            script.pop_front();
        }
        return ((v % n) + n) % n;
    }
    std::deque<int> script;
    int fallback = 0;
    int calls = 0;
};

struct ShownMessage {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
};

// Records every message; answers from `answers` (then `defaultAnswer`). `whileOpen` runs
// while a message is "open", so a test can deliver timer ticks to a modal message.
class FakeMessageBox : public MessageBox
{
public:
    MsgResult show(const std::string &text, const std::string &caption, MsgIcon icon,
                   MsgButtons buttons) override
    {
        shown.push_back({text, caption, icon, buttons});
        if (whileOpen)
            whileOpen();
        if (!answers.empty()) {
            const MsgResult r = answers.front();
            answers.pop_front();
            return r;
        }
        return defaultAnswer;
    }
    void beep() override { ++beeps; }

    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers;
    MsgResult defaultAnswer = MsgResult::Ok;
    std::function<void()> whileOpen;
    int beeps = 0;
};

class FakeSound : public Sound
{
public:
    bool hasOutputDevice() const override { return device; }
    void play(const std::string &fileName) override { played.push_back(fileName); }
    bool device = true;
    std::vector<std::string> played;
};

// Records what is said, when, and each stop.
class FakeSpeech : public Speech
{
public:
    struct Said {
        std::string text;
        int delayMs = 0;
        int rate = 0;
    };
    bool unavailable() override { return missing; }
    void prepare() override { ++prepared; }
    void say(const std::string &text, int delayMs, int rate) override
    {
        said.push_back({text, delayMs, rate});
    }
    void stop() override { ++stops; }
    bool missing = false;
    std::vector<Said> said;
    int stops = 0;
    int prepared = 0;
};

// Records "blank" and "restore" in order.
class FakeScreenSaver : public ScreenSaver
{
public:
    void blank() override { calls.emplace_back("blank"); }
    void restore() override { calls.emplace_back("restore"); }
    std::vector<std::string> calls;
};

class FakeHelp : public Help
{
public:
    struct Call {
        int command;
        int context;
        bool operator==(const Call &) const = default;
    };
    void WinHelp(int command, int context) override { calls.push_back({command, context}); }
    std::vector<Call> calls;
};

class FakeShell : public Shell
{
public:
    void openAddress(const std::string &address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};

class FakeSingleInstance : public SingleInstance
{
public:
    InstanceCheck checkForRunningInstance() override
    {
        return anotherRunning ? InstanceCheck {InstanceCheck::Outcome::HandedOver, {}} : answer;
    }
    bool anotherRunning = false;
    InstanceCheck answer; // when no other instance runs
};

class FakeWindowOps : public WindowOps
{
public:
    WindowState state() const override { return current; }
    void setState(WindowState s) override { current = s; }
    void setCaption(const std::string &c) override { caption = c; }
    void bringToFront() override { }
    bool isActive() const override { return active; }

    WindowState current = WindowState::Normal;
    std::string caption;
    bool active = true;
};

} // namespace tb::test
