#include "platform/qt/QtSpeech.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QStringList>
#include <QTextToSpeech>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace tb {
namespace {

// A call for the speech thread, carried there as an event: the event queue owns it until it
// has been run.
class Call final : public QEvent
{
public:
    static constexpr QEvent::Type kType = QEvent::User;
    explicit Call(std::function<void()> run) : QEvent(kType), run_(std::move(run)) { }
    void operator()() const { run_(); }

private:
    std::function<void()> run_;
};

void post(QObject *to, std::function<void()> run)
{
    QCoreApplication::postEvent(to, new Call(std::move(run)));
}

} // namespace

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
        letGo_ = std::make_unique<QTimer>();
        letGo_->setSingleShot(true);
        QObject::connect(letGo_.get(), &QTimer::timeout, this, [this] { letGoIfSilent(); });
        const QLocale locale(language_);
        for (const char *name : {"speechd", "flite"}) {
            if (!QTextToSpeech::availableEngines().contains(QLatin1String(name)))
                continue;
            auto engine = open(QLatin1String(name));
            if (engine->state() == QTextToSpeech::Error)
                continue;
            const QList<QLocale> locales = engine->availableLocales();
            const bool speaksIt
                = std::any_of(locales.begin(), locales.end(),
                              [&](const QLocale &l) { return l.language() == locale.language(); });
            if (!speaksIt)
                continue;
            engineName_ = QLatin1String(name);
            // speech-dispatcher ends itself seconds after its last client has gone, and
            // starting it again takes seconds: its connection stays open, and costs nothing
            // while silent. The flite engine's own thread wakes some fifty times a second for
            // as long as the engine exists, so it is made for each text and let go after it.
            keepOpen_ = engineName_ == QLatin1String("speechd");
            if (keepOpen_) {
                engine->setLocale(locale);
                engine_ = std::move(engine);
            }
            break;
        }
        state_ = engineName_.isEmpty() ? QtSpeech::State::Unavailable : QtSpeech::State::Ready;
    }

    void say(const QString &text, int delayMs, int rate)
    {
        stop();
        if (engineName_.isEmpty())
            return;
        if (!engine_)
            engine_ = open(engineName_);
        text_ = text;
        rate_ = rate;
        waiting_->start(std::max(delayMs, 0));
    }

    void stop()
    {
        waiting_->stop();
        if (!engine_)
            return;
        engine_->stop();
        if (!keepOpen_)
            engine_.reset();
    }

    void finish()
    {
        stop();
        engine_.reset();
        waiting_.reset();
        letGo_.reset();
        thread()->quit();
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != Call::kType)
            return QObject::event(event);
        (*static_cast<Call *>(event))();
        return true;
    }

private:
    std::unique_ptr<QTextToSpeech> open(const QString &name)
    {
        auto engine = std::make_unique<QTextToSpeech>(name);
        if (!engineName_.isEmpty())
            engine->setLocale(QLocale(language_));
        // Let go once a text has been spoken: not from within the engine's own signal, but
        // on the next turn of this thread's loop.
        QObject::connect(engine.get(), &QTextToSpeech::stateChanged, this,
                         [this, spoke = false](QTextToSpeech::State state) mutable {
                             spoke = spoke || state == QTextToSpeech::Speaking;
                             if (spoke && state == QTextToSpeech::Ready && !keepOpen_)
                                 letGo_->start(0);
                         });
        return engine;
    }

    void letGoIfSilent()
    {
        if (engine_ && !waiting_->isActive() && engine_->state() == QTextToSpeech::Ready)
            engine_.reset();
    }

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
    std::unique_ptr<QTimer> letGo_;
    std::unique_ptr<QTextToSpeech> engine_;
    QString engineName_; // the engine that speaks the language, once found
    bool keepOpen_ = false;
    QString text_;
    int rate_ = 0;
};

QtSpeech::QtSpeech(std::string (*language)()) : language_(language)
{
    thread_.setObjectName(QStringLiteral("speech"));
}

QtSpeech::~QtSpeech()
{
    if (worker_) {
        post(worker_, [w = worker_] { w->finish(); });
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
        worker_ = new SpeechWorker(state_, QString::fromStdString(language_()));
        worker_->moveToThread(&thread_);
        thread_.start(QThread::LowPriority);
        post(worker_, [w = worker_] { w->start(); });
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
        post(w, [w, said = QString::fromStdString(text), delayMs, rate] {
            w->say(said, delayMs, rate);
        });
}

void QtSpeech::stop()
{
    if (worker_)
        post(worker_, [w = worker_] { w->stop(); });
}

} // namespace tb
