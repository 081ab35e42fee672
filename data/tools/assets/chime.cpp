#include "chime.h"

#include <QByteArray>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace assets {

namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 2.6;

void putLE(QByteArray &out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xff));
}

std::vector<double> synthesise()
{
    const int count = int(kSampleRate * kSeconds);
    std::vector<double> wave(count, 0.0);
    // C major arpeggio, each note a sine with a little of its octave and fifth,
    // a short attack against clicks and a bell-like decay.
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};
    for (int n = 0; n < 4; ++n) {
        const int start = int(n * 0.17 * kSampleRate);
        const double level = n == 3 ? 0.9 : 0.7;
        for (int i = start; i < count; ++i) {
            const double t = double(i - start) / kSampleRate;
            const double attack = std::min(1.0, t / 0.012);
            const double decay = std::exp(-t / (n == 3 ? 0.75 : 0.55));
            const double phase = 2.0 * M_PI * notes[n] * t;
            wave[i] += level * attack * decay
                       * (std::sin(phase) + 0.22 * std::sin(2 * phase) + 0.06 * std::sin(3 * phase));
        }
    }
    // Fade the tail to silence so the sound ends without a click.
    const int fade = int(0.25 * kSampleRate);
    for (int i = 0; i < fade; ++i)
        wave[count - 1 - i] *= double(i) / fade;
    const double peak = *std::max_element(wave.begin(), wave.end(),
                                          [](double a, double b) { return std::abs(a) < std::abs(b); });
    const double gain = 0.55 / std::abs(peak);
    for (double &s : wave)
        s *= gain;
    return wave;
}

} // namespace

bool writeChime(const QString &path)
{
    const std::vector<double> wave = synthesise();
    const uint32_t dataBytes = uint32_t(wave.size() * 2);
    QByteArray out;
    out.append("RIFF");
    putLE(out, 36 + dataBytes, 4);
    out.append("WAVE");
    out.append("fmt ");
    putLE(out, 16, 4);                // size of the format chunk
    putLE(out, 1, 2);                 // PCM
    putLE(out, 1, 2);                 // mono
    putLE(out, kSampleRate, 4);
    putLE(out, kSampleRate * 2, 4);   // bytes per second
    putLE(out, 2, 2);                 // bytes per frame
    putLE(out, 16, 2);                // bits per sample
    out.append("data");
    putLE(out, dataBytes, 4);
    for (double s : wave)
        putLE(out, uint32_t(uint16_t(int16_t(std::lround(std::clamp(s, -1.0, 1.0) * 32767.0)))), 2);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        std::fprintf(stderr, "makeassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace assets
