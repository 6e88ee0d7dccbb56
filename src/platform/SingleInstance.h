#pragma once

namespace tb {

// One running program per user.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;
    // True when another instance runs: it has been asked to restore its main window and
    // come to the front, and this one must end. False when this is the first instance.
    virtual bool handOverToRunningInstance() = 0;
};

} // namespace tb
