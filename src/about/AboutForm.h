#pragma once

#include "session/Controls.h"

#include <string>

namespace tb {

class Shell;

// The about box's behaviour: who and what the program is, and its two links. Each link
// keeps its address as its tool tip, and a click hands exactly that text on.
class AboutForm
{
public:
    explicit AboutForm(Shell &shell);

    void Form_Load();
    void lblgotowebsite_Click();
    void lblemail_Click();

    const std::string &caption() const { return caption_; }
    const Controls &controls() const { return controls_; }

private:
    Shell &shell_;
    std::string caption_;
    Controls controls_;
};

// The splash's texts. It stays up kShowSeconds unless a key ends it early.
class SplashForm
{
public:
    static constexpr int kShowSeconds = 3;

    void Form_Load();
    const Controls &controls() const { return controls_; }

private:
    Controls controls_;
};

// "Version 1.1.0".
std::string versionCaption();

} // namespace tb
