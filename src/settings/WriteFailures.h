#pragma once

#include <functional>
#include <string>

namespace tb {

// Failed replacements of settings files, as they happen. The settings engine's writes
// answer only true or false, and many of them are made deep inside the session; the
// program listens here to tell the user which file could not be saved and why.

// `fileName` as given to the write; `reason` is the system's description of the failure.
using WriteFailureListener
    = std::function<void(const std::string &fileName, const std::string &reason)>;

// Puts `listener` in force for its lifetime, then restores the previous one.
class ScopedWriteFailureListener
{
public:
    explicit ScopedWriteFailureListener(WriteFailureListener listener);
    ~ScopedWriteFailureListener();
    ScopedWriteFailureListener(const ScopedWriteFailureListener &) = delete;
    ScopedWriteFailureListener &operator=(const ScopedWriteFailureListener &) = delete;

private:
    WriteFailureListener previous_;
};

// Tells the listener in force, if any. Never throws.
void reportWriteFailure(const std::string &fileName, const std::string &reason) noexcept;

} // namespace tb
