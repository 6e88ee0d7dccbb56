#pragma once

#include "platform/Speech.h"
#include "platform/Translator.h"

#include <QThread>

#include <atomic>
#include <string>

namespace tb {

class SpeechWorker;

// Speech through Qt TextToSpeech: speech-dispatcher first, which speaks many languages
// through the desktop's own voices and settings, else flite, which needs no service but
// speaks English only. The engine lives on a thread of its own, started at the first use:
// speech-dispatcher may take seconds to come up, and the window must not wait for it.
class QtSpeech final : public Speech
{
public:
    // `language` names the language to speak in, as the program shows its texts.
    explicit QtSpeech(std::string (*language)() = uiLanguage);
    ~QtSpeech() override;
    QtSpeech(const QtSpeech &) = delete;
    QtSpeech &operator=(const QtSpeech &) = delete;

    bool unavailable() override;
    void prepare() override;
    void say(const std::string &text, int delayMs, int rate) override;
    void stop() override;

    enum class State { Untried, Trying, Ready, Unavailable };
    State state() const { return state_; }

private:
    SpeechWorker *worker();

    std::string (*language_)();
    QThread thread_;
    SpeechWorker *worker_ = nullptr;
    std::atomic<State> state_ {State::Untried};
};

} // namespace tb
