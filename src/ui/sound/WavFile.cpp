#include "ui/sound/WavFile.h"

#include "engine/Bytes.h"

#include <algorithm>
#include <cstring>

namespace tumbla {

namespace {
void PutTag(std::span<std::uint8_t> out, std::size_t at, const char (&tag)[5]) {
    std::memcpy(out.data() + at, tag, 4);
}
} // namespace

std::vector<std::uint8_t> MakeWavFile(const WavFormat& format, std::span<const std::uint8_t> pcm) {
    const auto dataSize = static_cast<std::uint32_t>(pcm.size());
    const std::size_t pad = pcm.size() % 2;
    std::vector<std::uint8_t> file(WavHeaderSize + pcm.size() + pad, 0);
    std::span<std::uint8_t> out(file);
    PutTag(out, 0, "RIFF");
    PutU32(out, 4, static_cast<std::uint32_t>(file.size() - 8));
    PutTag(out, 8, "WAVE");
    PutTag(out, 12, "fmt ");
    PutU32(out, 16, 16);
    PutU16(out, 20, 1); // plain PCM
    PutU16(out, 22, format.channels);
    PutU32(out, 24, format.sampleRate);
    PutU32(out, 28, format.sampleRate * format.blockAlign());
    PutU16(out, 32, format.blockAlign());
    PutU16(out, 34, format.bitsPerSample);
    PutTag(out, 36, "data");
    PutU32(out, 40, dataSize);
    std::copy(pcm.begin(), pcm.end(), file.begin() + WavHeaderSize);
    return file;
}

} // namespace tumbla
