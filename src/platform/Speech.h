#pragma once

#include <string>

namespace tb {

// Texts read aloud by the desktop's speech engine, in the language of the program's texts.
class Speech
{
public:
    virtual ~Speech() = default;
    // No engine can speak the program's language: none is installed, or the one tried
    // failed to start or has no voice for it. Until an engine has been tried, only the
    // first is known.
    virtual bool unavailable() = 0;
    // Starts an engine now, without waiting for it: the first text is then not late, and
    // unavailable() soon knows whether it works.
    virtual void prepare() = 0;
    // Says `text` (UTF-8) once `delayMs` have passed, at `rate`: -1 slower, 0 the voice's
    // own, 1 faster. Whatever was being said, or waited to be said, is dropped. Returns at
    // once: starting an engine can take seconds.
    virtual void say(const std::string &text, int delayMs, int rate) = 0;
    // Stops at once.
    virtual void stop() = 0;
};

} // namespace tb
