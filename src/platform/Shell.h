#pragma once

#include <string>

namespace tb {

// Hands an address (http:, https:, mailto:) to the desktop's default program. When no
// program takes it, the user is told so and shown the address, so that nothing fails
// silently.
class Shell
{
public:
    virtual ~Shell() = default;
    virtual void openAddress(const std::string &address) = 0;
};

void OpenWebPage(Shell &shell, const std::string &address);
// Opens a new mail message to `address` whose subject names the product and version.
void OpenMailMessage(Shell &shell, const std::string &address);
// The mailto: address OpenMailMessage hands over (percent-encoded).
std::string mailMessageAddress(const std::string &address);

} // namespace tb
