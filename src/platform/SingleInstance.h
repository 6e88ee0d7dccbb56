#pragma once

#include <string>

namespace tb {

// What a start learns about other running instances of the program.
struct InstanceCheck {
    enum class Outcome {
        // This is the only instance; it now listens for later starts.
        Proceed,
        // Another instance runs and has been asked to restore its main window and come to
        // the front: this one must end.
        HandedOver,
        // The guard cannot be set up safely (a folder or file on the way belongs to someone
        // else, or is not what it should be), so nothing is known about other instances.
        // `reason` says why, in a sentence for the user.
        Refused,
    };
    Outcome outcome = Outcome::Proceed;
    std::string reason;
};

// One running program per user.
class SingleInstance
{
public:
    virtual ~SingleInstance() = default;

    // Asks any running instance to come to the front; when none runs, this one listens
    // for later starts.
    virtual InstanceCheck checkForRunningInstance() = 0;
};

} // namespace tb
