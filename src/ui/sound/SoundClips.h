#pragma once
// The game's two sounds, synthesised rather than stored: the same bytes on
// every run, so they can be checked like any other output.

#include "ui/sound/WavFile.h"

#include <cstdint>
#include <vector>

namespace tumbla {

// Breaking glass: about 1 s, 11 025 Hz, 8-bit unsigned mono.
constexpr WavFormat GlassClipFormat{11025, 1, 8};
// The end of a game: a short fanfare of about 2 s, 22 050 Hz, 16-bit stereo.
constexpr WavFormat EndOfGameClipFormat{22050, 2, 16};

// The samples in [-1, 1]; stereo interleaved left, right.
std::vector<float> GlassSamples();
std::vector<float> EndOfGameSamples();

std::vector<std::uint8_t> ToUnsigned8(const std::vector<float>& samples);
std::vector<std::uint8_t> ToSigned16(const std::vector<float>& samples);

// Whole wave files.
std::vector<std::uint8_t> GlassClip();
std::vector<std::uint8_t> EndOfGameClip();

} // namespace tumbla
