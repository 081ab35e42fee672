#include "platform/speech/SpeechEngine.h"

#include "platform/speech/Log.h"
#include "platform/speech/PacedSpeech.h"
#include "platform/speech/Synthesizer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

namespace speech {

SpeechEngine::SpeechEngine(Synthesis synthesis, QObject* parent)
    : QObject(parent), workerContext_(std::make_unique<QObject>())
{
    audioOutput_ = !QMediaDevices::defaultAudioOutput().isNull();
    worker_.setObjectName(QStringLiteral("speech synthesis"));
    workerContext_->moveToThread(&worker_);
    worker_.start();
    if (synthesis == Synthesis::Espeak) {
        // espeak-ng is started on the thread that will use it.
        QMetaObject::invokeMethod(
            workerContext_.get(),
            [this] {
                synthesizer_ = std::make_unique<Synthesizer>();
                synthesizerAvailable_ = synthesizer_->available();
            },
            Qt::BlockingQueuedConnection);
        if (!synthesizerAvailable_)
            qCDebug(speechLog) << "espeak-ng did not start; the characters speak at a reading pace without sound";
    }
}

SpeechEngine& SpeechEngine::forApplication()
{
    QCoreApplication* application = QCoreApplication::instance();
    Q_ASSERT(application);
    const QString name = QStringLiteral("drillbook speech engine");
    if (auto* engine = application->findChild<SpeechEngine*>(name, Qt::FindDirectChildrenOnly))
        return *engine;
    auto* engine = new SpeechEngine(Synthesis::Espeak, application); // owned by the application
    engine->setObjectName(name);
    return *engine;
}

SpeechEngine::~SpeechEngine()
{
    worker_.quit(); // jobs not yet started are dropped with the thread's queue
    worker_.wait();
    // Both were made for the worker thread, which has finished.
    synthesizer_.reset();
    workerContext_.reset();
}

quint64 SpeechEngine::prepare(const TaggedText& text, const VoiceSettings& voice)
{
    const quint64 ticket = nextTicket_++;
    if (pace_ == Pace::Instant) {
        deliverLater(ticket, pacedUtterance(text, 0));
    } else if (!synthesizerAvailable_) {
        deliverLater(ticket, pacedUtterance(text, voice.wordsPerMinute));
    } else {
        QMetaObject::invokeMethod(
            workerContext_.get(),
            [this, ticket, text, voice] { deliverLater(ticket, synthesizer_->synthesize(text, voice)); },
            Qt::QueuedConnection);
    }
    return ticket;
}

void SpeechEngine::deliverLater(quint64 ticket, Utterance utterance)
{
    // Queued to this object, so a request is never answered inside the call
    // that made it, and a result is dropped if the engine is gone by then.
    QMetaObject::invokeMethod(
        this, [this, ticket, utterance = std::move(utterance)] { emit prepared(ticket, utterance); },
        Qt::QueuedConnection);
}

} // namespace speech
