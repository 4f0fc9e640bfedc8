#pragma once
// A PCM wave file in memory: the 44-byte RIFF header and the samples.

#include <cstdint>
#include <span>
#include <vector>

namespace tumbla {

struct WavFormat {
    std::uint32_t sampleRate = 11025;
    std::uint16_t channels = 1;
    std::uint16_t bitsPerSample = 8; // 8 is unsigned, 16 signed little-endian

    std::uint16_t blockAlign() const {
        return static_cast<std::uint16_t>(channels * ((bitsPerSample + 7) / 8));
    }
};

constexpr std::size_t WavHeaderSize = 44;

// `pcm` holds whole frames in the format's layout; an odd length gets the pad byte RIFF asks for.
std::vector<std::uint8_t> MakeWavFile(const WavFormat& format, std::span<const std::uint8_t> pcm);

} // namespace tumbla
