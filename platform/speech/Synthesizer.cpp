#include "platform/speech/Synthesizer.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <optional>

namespace speech {

namespace {

// What one synthesis call collects; espeak-ng hands it back to the callback
// as the events' user data, so no state of ours lives outside the call.
struct Collector {
    QByteArray pcm;
    qint64 samples = 0;
    std::optional<qint64> markSample;
};

int collect(short* wav, int count, espeak_EVENT* events)
{
    for (espeak_EVENT* event = events; event; ++event) {
        auto* collector = static_cast<Collector*>(event->user_data);
        if (collector && event->type == espeakEVENT_MARK && !collector->markSample)
            collector->markSample = event->sample;
        if (event->type == espeakEVENT_LIST_TERMINATED) {
            if (collector && wav && count > 0) {
                collector->pcm.append(reinterpret_cast<const char*>(wav), qsizetype(count) * 2);
                collector->samples += count;
            }
            break;
        }
    }
    return 0; // go on synthesizing
}

} // namespace

Synthesizer::Synthesizer()
{
    espeak_ng_InitializePath(nullptr);
    espeak_ng_ERROR_CONTEXT context = nullptr;
    if (espeak_ng_Initialize(&context) != ENS_OK) {
        espeak_ng_ClearErrorContext(&context);
        return;
    }
    if (espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
        return;
    espeak_SetSynthCallback(collect);
    if (espeak_ng_SetVoiceByName("en") != ENS_OK)
        return;
    sampleRate_ = espeak_ng_GetSampleRate();
}

void Synthesizer::applyVoice(const VoiceSettings& voice)
{
    if (voiceApplied_ && voice == applied_)
        return;
    const QByteArray name = voice.voice.toUtf8();
    if (espeak_ng_SetVoiceByName(name.constData()) != ENS_OK)
        espeak_ng_SetVoiceByName("en"); // an unknown voice still speaks
    espeak_ng_SetParameter(espeakRATE, std::clamp(voice.wordsPerMinute, espeakRATE_MINIMUM, espeakRATE_MAXIMUM), 0);
    espeak_ng_SetParameter(espeakPITCH, std::clamp(voice.pitch, 0, 100), 0);
    applied_ = voice;
    voiceApplied_ = true;
}

bool Synthesizer::hasVoice(const QString& name)
{
    if (!available())
        return false;
    const QByteArray wanted = name.toUtf8();
    const bool found = espeak_ng_SetVoiceByName(wanted.constData()) == ENS_OK;
    voiceApplied_ = false; // the next request sets its own voice again
    return found;
}

Utterance Synthesizer::synthesize(const TaggedText& text, const VoiceSettings& voice)
{
    Utterance utterance;
    utterance.sampleRate = sampleRate_;
    if (!available())
        return utterance;
    applyVoice(voice);

    qint64 samples = 0;
    for (const TextSegment& segment : text.segments) {
        Collector collector;
        if (!segment.text.trimmed().isEmpty()) {
            const QByteArray ssml = toSsml(segment).toUtf8();
            unsigned int identifier = 0;
            espeak_ng_Synthesize(ssml.constData(), size_t(ssml.size()) + 1, 0, POS_CHARACTER, 0,
                                 espeakCHARS_UTF8 | espeakSSML, &identifier, &collector);
        }
        if (segment.mark) {
            const qint64 at =
                samples + std::clamp<qint64>(collector.markSample.value_or(collector.samples), 0, collector.samples);
            utterance.marks.append({*segment.mark, int(at * 1000 / sampleRate_)});
        }
        utterance.pcm += collector.pcm;
        samples += collector.samples;
    }
    utterance.durationMs = int(samples * 1000 / sampleRate_);
    return utterance;
}

} // namespace speech
