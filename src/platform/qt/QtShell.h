#pragma once

#include "platform/Shell.h"

namespace tb {

// Hands web and mail addresses to the desktop's default programs (QDesktopServices). Only
// well-formed http:, https: and mailto: addresses are passed on; no shell is ever run.
class QtShell final : public Shell
{
public:
    void openAddress(const std::string &address) override;
    // True when `address` is one this adapter passes on.
    static bool isOpenable(const std::string &address);
};

} // namespace tb
