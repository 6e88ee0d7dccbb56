#include "settings/WriteFailures.h"

#include <utility>

namespace tb {
namespace {

WriteFailureListener &listenerInForce()
{
    static WriteFailureListener listener;
    return listener;
}

} // namespace

ScopedWriteFailureListener::ScopedWriteFailureListener(WriteFailureListener listener)
    : previous_(std::exchange(listenerInForce(), std::move(listener)))
{
}

ScopedWriteFailureListener::~ScopedWriteFailureListener()
{
    listenerInForce() = std::move(previous_);
}

void reportWriteFailure(const std::string &fileName, const std::string &reason) noexcept
{
    try {
        if (const WriteFailureListener &listener = listenerInForce())
            listener(fileName, reason);
    } catch (...) {
        // A listener that cannot take the news must not turn a failed save into a crash.
    }
}

} // namespace tb
