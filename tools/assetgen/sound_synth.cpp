#include "sound_synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Tau = 2.0 * std::numbers::pi;

struct Partial {
    double ratio;     // of the note's frequency
    double amplitude; // relative to the fundamental
};

std::vector<double> silence(double seconds) {
    return std::vector<double>(static_cast<std::size_t>(seconds * SoundSampleRate), 0.0);
}

// Adds one struck note: a quick rise, then an exponential ring-out. Higher
// partials die faster, as they do on a real bell.
void addBell(std::vector<double>& out, double startSeconds, double frequency,
             const std::vector<Partial>& partials, double attackSeconds, double decaySeconds,
             double level) {
    const auto start = static_cast<std::size_t>(startSeconds * SoundSampleRate);
    for (std::size_t i = start; i < out.size(); ++i) {
        const double t = static_cast<double>(i - start) / SoundSampleRate;
        const double rise = std::min(1.0, t / attackSeconds);
        double v = 0.0;
        for (const Partial& p : partials) {
            const double fade = std::exp(-t * p.ratio / decaySeconds);
            v += p.amplitude * fade * std::sin(Tau * frequency * p.ratio * t);
        }
        out[i] += level * rise * v;
    }
}

// Scales to the given peak and fades the last stretch to exact silence.
void finish(std::vector<double>& out, double peak, double fadeSeconds) {
    double highest = 0.0;
    for (double v : out) {
        highest = std::max(highest, std::abs(v));
    }
    if (highest > 0.0) {
        for (double& v : out) {
            v *= peak / highest;
        }
    }
    const auto fade = std::min(out.size(), static_cast<std::size_t>(fadeSeconds * SoundSampleRate));
    for (std::size_t k = 0; k < fade; ++k) {
        const double gain = static_cast<double>(k) / static_cast<double>(fade);
        out[out.size() - 1 - k] *= gain * gain;
    }
    // Players on a sound server stop up to a third of a second before the
    // end of the data; silence there keeps the whole sound audible.
    out.resize(out.size() + static_cast<std::size_t>(TrailingSilenceSeconds * SoundSampleRate));
}

} // namespace

std::vector<double> brightChime() {
    auto out = silence(0.75);
    const std::vector<Partial> bell{{1.0, 1.0}, {2.0, 0.45}, {3.0, 0.2}, {4.16, 0.1}};
    const double notes[] = {1046.5, 1318.5, 1568.0, 2093.0}; // C6 E6 G6 C7
    for (int n = 0; n < 4; ++n) {
        const double decay = n == 3 ? 0.45 : 0.22;
        addBell(out, 0.065 * n, notes[n], bell, 0.004, decay, n == 3 ? 1.0 : 0.8);
    }
    finish(out, 0.7, 0.08);
    return out;
}

std::vector<double> lowBuzz() {
    auto out = silence(0.42);
    double phase = 0.0;
    double detunedPhase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SoundSampleRate;
        const double frequency = 150.0 - 45.0 * (t / 0.42); // slides down, a "no"
        phase += Tau * frequency / SoundSampleRate;
        detunedPhase += Tau * frequency * 1.02 / SoundSampleRate;
        // Band-limited sawtooth: a fixed set of harmonics (up to about 2.7 kHz)
        // keeps it a buzz, not a hiss. A count that followed the slide would
        // add a harmonic abruptly, which clicks.
        double v = 0.0;
        for (int h = 1; h <= 18; ++h) {
            v += (std::sin(h * phase) + 0.6 * std::sin(h * detunedPhase)) / h;
        }
        const double rise = std::min(1.0, t / 0.008);
        out[i] = rise * v;
    }
    finish(out, 0.55, 0.1);
    return out;
}

std::vector<double> softChime() {
    auto out = silence(0.6);
    const std::vector<Partial> soft{{1.0, 1.0}, {2.0, 0.18}};
    addBell(out, 0.0, 784.0, soft, 0.015, 0.25, 0.8);   // G5
    addBell(out, 0.12, 1046.5, soft, 0.015, 0.35, 1.0); // C6
    finish(out, 0.42, 0.08);
    return out;
}
