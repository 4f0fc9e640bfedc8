#include "results/FameRecord.h"

#include "engine/Bytes.h"
#include "situation/Windows1250.h"

#include <algorithm>
#include <bit>

namespace tumbla {
namespace {

constexpr std::size_t SettingsAt = 0;
constexpr std::size_t NameLengthAt = 72;
constexpr std::size_t NameAt = 73;
constexpr std::size_t PointsAt = 104;
constexpr std::size_t EnteredAt = 112;

void PutF64(std::span<std::uint8_t> out, std::size_t at, double v) {
    const auto bits = std::bit_cast<std::uint64_t>(v);
    PutU32(out, at, static_cast<std::uint32_t>(bits));
    PutU32(out, at + 4, static_cast<std::uint32_t>(bits >> 32));
}

double GetF64(std::span<const std::uint8_t> in, std::size_t at) {
    const std::uint64_t bits = GetU32(in, at) | (std::uint64_t{GetU32(in, at + 4)} << 32);
    return std::bit_cast<double>(bits);
}

} // namespace

PackedFameRecord PackFameRecord(const FameRecord& r) {
    PackedFameRecord out{};
    const PackedSettings settings = PackSettings(r.settings);
    std::copy(settings.begin(), settings.end(), out.begin() + SettingsAt);
    const std::size_t length = std::min(r.name.size(), FameRecord::NameCapacity);
    PutU8(out, NameLengthAt, static_cast<std::uint8_t>(length));
    for (std::size_t i = 0; i < length; ++i)
        PutU8(out, NameAt + i, static_cast<std::uint8_t>(r.name[i]));
    PutI32(out, PointsAt, r.points);
    PutF64(out, EnteredAt, r.entered);
    return out;
}

FameRecord UnpackFameRecord(std::span<const std::uint8_t> in) {
    FameRecord r;
    r.settings = UnpackSettings(in.subspan(SettingsAt, GameSettings::PackedSize));
    const std::size_t length =
        std::min<std::size_t>(GetU8(in, NameLengthAt), FameRecord::NameCapacity);
    r.name.assign(reinterpret_cast<const char*>(in.data() + NameAt), length);
    r.points = GetI32(in, PointsAt);
    r.entered = GetF64(in, EnteredAt);
    return r;
}

FameRecord MakeFameRecord(const GameSettings& settings, std::string_view nameUtf8,
                          std::int32_t points, double entered) {
    FameRecord r;
    r.settings = settings;
    r.name = Utf8ToWindows1250(nameUtf8);
    if (r.name.size() > FameRecord::NameCapacity) r.name.resize(FameRecord::NameCapacity);
    r.points = points;
    r.entered = entered;
    return r;
}

std::string FameName(const FameRecord& r) {
    return Windows1250ToUtf8(r.name);
}

} // namespace tumbla
