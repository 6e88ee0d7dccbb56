#include "platform/qt/QtSpeech.h"

#include "platform/Translator.h"

#include <QLocale>
#include <QStringList>
#include <QTextToSpeech>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace tb {

// Owns the engine and the wait before a text, on the speech thread.
class SpeechWorker : public QObject
{
public:
    SpeechWorker(std::atomic<QtSpeech::State> &state, QString language)
        : state_(state), language_(std::move(language))
    {
    }

    void start()
    {
        waiting_ = std::make_unique<QTimer>();
        waiting_->setSingleShot(true);
        QObject::connect(waiting_.get(), &QTimer::timeout, this, [this] { speakWaiting(); });
        const QLocale locale(language_);
        for (const char *name : {"speechd", "flite"}) {
            if (!QTextToSpeech::availableEngines().contains(QLatin1String(name)))
                continue;
            auto engine = std::make_unique<QTextToSpeech>(QLatin1String(name));
            if (engine->state() == QTextToSpeech::Error)
                continue;
            const QList<QLocale> locales = engine->availableLocales();
            const bool speaksIt
                = std::any_of(locales.begin(), locales.end(),
                              [&](const QLocale &l) { return l.language() == locale.language(); });
            if (!speaksIt)
                continue;
            engine->setLocale(locale);
            engine_ = std::move(engine);
            break;
        }
        state_ = engine_ ? QtSpeech::State::Ready : QtSpeech::State::Unavailable;
    }

    void say(const QString &text, int delayMs, int rate)
    {
        stop();
        text_ = text;
        rate_ = rate;
        waiting_->start(std::max(delayMs, 0));
    }

    void stop()
    {
        waiting_->stop();
        if (engine_)
            engine_->stop();
    }

    void finish()
    {
        stop();
        engine_.reset();
        waiting_.reset();
        thread()->quit();
    }

private:
    void speakWaiting()
    {
        if (!engine_)
            return;
        // The engine's rates run from -1 to 1; a third of the way either side is what a
        // musician would still call slower or faster, not strange.
        engine_->setRate(0.3 * rate_);
        engine_->say(text_);
    }

    std::atomic<QtSpeech::State> &state_;
    QString language_;
    std::unique_ptr<QTimer> waiting_;
    std::unique_ptr<QTextToSpeech> engine_;
    QString text_;
    int rate_ = 0;
};

QtSpeech::QtSpeech()
{
    thread_.setObjectName(QStringLiteral("speech"));
}

QtSpeech::~QtSpeech()
{
    if (worker_) {
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->finish(); });
        thread_.wait();
        delete worker_;
    }
}

SpeechWorker *QtSpeech::worker()
{
    if (!worker_) {
        if (QTextToSpeech::availableEngines().isEmpty()) {
            state_ = State::Unavailable;
            return nullptr;
        }
        state_ = State::Trying;
        worker_ = new SpeechWorker(state_, QString::fromStdString(uiLanguage()));
        worker_->moveToThread(&thread_);
        thread_.start(QThread::LowPriority);
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->start(); });
    }
    return worker_;
}

bool QtSpeech::unavailable()
{
    if (state_ == State::Untried && QTextToSpeech::availableEngines().isEmpty())
        state_ = State::Unavailable;
    return state_ == State::Unavailable;
}

void QtSpeech::prepare()
{
    worker();
}

void QtSpeech::say(const std::string &text, int delayMs, int rate)
{
    if (SpeechWorker *w = worker())
        QMetaObject::invokeMethod(w, [w, said = QString::fromStdString(text), delayMs, rate] {
            w->say(said, delayMs, rate);
        });
}

void QtSpeech::stop()
{
    if (worker_)
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->stop(); });
}

} // namespace tb
