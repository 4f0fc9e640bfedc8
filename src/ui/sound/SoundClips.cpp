#include "ui/sound/SoundClips.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tumbla {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A small generator of its own, so the clips never depend on the library's.
class Noise {
  public:
    double next() { // 0..1
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<double>(state_ >> 8) / static_cast<double>(1u << 24);
    }
    double between(double low, double high) { return low + (high - low) * next(); }

  private:
    std::uint32_t state_ = 0x5EED1234u;
};

// Ease every clip out, so it ends in silence without a click.
void FadeOut(std::vector<float>& samples, std::size_t frames, int channels, double rate,
             double seconds) {
    const auto fade = static_cast<std::size_t>(seconds * rate);
    for (std::size_t i = 0; i < fade && i < frames; ++i) {
        const double gain = static_cast<double>(i) / static_cast<double>(fade);
        const std::size_t frame = frames - 1 - i;
        for (int c = 0; c < channels; ++c) {
            samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] *=
                static_cast<float>(gain);
        }
    }
}

void Normalise(std::vector<float>& samples, double peak) {
    float top = 0;
    for (float s : samples) top = std::max(top, std::abs(s));
    if (top <= 0) return;
    const auto gain = static_cast<float>(peak / top);
    for (float& s : samples) s *= gain;
}

} // namespace

std::vector<float> GlassSamples() {
    const double rate = GlassClipFormat.sampleRate;
    const std::size_t frames = GlassClipFormat.sampleRate; // one second
    std::vector<float> out(frames, 0.0f);
    Noise noise;

    // The crack: a bright burst of noise that dies within a few hundredths.
    double previous = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double n = noise.between(-1, 1);
        out[i] += static_cast<float>((n - previous) * 0.6 * std::exp(-t / 0.018));
        previous = n;
    }
    // The shards: short rings high up, most of them early, falling silent.
    for (int k = 0; k < 18; ++k) {
        const double u = noise.next();
        const double start = 0.75 * u * u;
        const double freq = noise.between(1900, 4800);
        const double decay = noise.between(0.03, 0.11);
        const double amp = noise.between(0.25, 0.55) * (1.0 - start);
        const double phase = noise.between(0, 2 * Pi);
        const auto first = static_cast<std::size_t>(start * rate);
        for (std::size_t i = first; i < frames; ++i) {
            const double t = static_cast<double>(i - first) / rate;
            const double env = std::exp(-t / decay);
            if (env < 1e-3) break;
            const double w = 2 * Pi * freq * t + phase;
            out[i] += static_cast<float>(amp * env * (std::sin(w) + 0.4 * std::sin(1.51 * w)));
        }
    }
    for (float& s : out) s = static_cast<float>(std::tanh(1.4 * s));
    Normalise(out, 0.85);
    FadeOut(out, frames, 1, rate, 0.08);
    return out;
}

std::vector<float> EndOfGameSamples() {
    const double rate = EndOfGameClipFormat.sampleRate;
    const std::size_t frames = 2 * EndOfGameClipFormat.sampleRate; // two seconds
    std::vector<float> out(frames * 2, 0.0f);

    // A bell-like note: a few partials, the higher ones dying sooner.
    const auto note = [&](double freq, double start, double length, double pan, double gain) {
        const auto first = static_cast<std::size_t>(start * rate);
        for (std::size_t i = first; i < frames; ++i) {
            const double t = static_cast<double>(i - first) / rate;
            const double attack = std::min(1.0, t / 0.006);
            const double env = attack * std::exp(-t / length);
            if (t > 0.05 && env < 1e-4) break;
            const double w = 2 * Pi * freq * t;
            const double v = std::sin(w) + 0.45 * std::exp(-t / 0.25) * std::sin(2 * w) +
                             0.2 * std::exp(-t / 0.12) * std::sin(3 * w);
            out[2 * i] += static_cast<float>(gain * env * v * (1 - pan));
            out[2 * i + 1] += static_cast<float>(gain * env * v * pan);
        }
    };
    // Up the major chord, then the chord itself held, spread a little between the ears.
    const std::array<double, 4> chord{523.25, 659.26, 783.99, 1046.50};
    for (std::size_t k = 0; k < chord.size(); ++k) {
        note(chord[k], 0.13 * static_cast<double>(k), 0.35, k % 2 == 0 ? 0.35 : 0.65, 0.5);
    }
    for (std::size_t k = 0; k < chord.size(); ++k) {
        note(chord[k] * 0.998, 0.6, 0.55, 0.2, 0.32);
        note(chord[k] * 1.002, 0.6, 0.55, 0.8, 0.32);
    }
    note(chord[0] / 2, 0.6, 0.6, 0.5, 0.35);
    Normalise(out, 0.8);
    FadeOut(out, frames, 2, rate, 0.25);
    return out;
}

std::vector<std::uint8_t> ToUnsigned8(const std::vector<float>& samples) {
    std::vector<std::uint8_t> out(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double s = std::clamp(static_cast<double>(samples[i]), -1.0, 1.0);
        out[i] = static_cast<std::uint8_t>(std::lround(128 + 127 * s));
    }
    return out;
}

std::vector<std::uint8_t> ToSigned16(const std::vector<float>& samples) {
    std::vector<std::uint8_t> out(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double s = std::clamp(static_cast<double>(samples[i]), -1.0, 1.0);
        const auto v =
            static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(32767 * s)));
        out[2 * i] = static_cast<std::uint8_t>(v & 0xFF);
        out[2 * i + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    return out;
}

std::vector<std::uint8_t> GlassClip() {
    return MakeWavFile(GlassClipFormat, ToUnsigned8(GlassSamples()));
}

std::vector<std::uint8_t> EndOfGameClip() {
    return MakeWavFile(EndOfGameClipFormat, ToSigned16(EndOfGameSamples()));
}

} // namespace tumbla
