// The two clips: their wave headers, lengths and that they hold sound that ends in silence.

#include "ui/sound/SoundClips.h"
#include "engine/Bytes.h"
#include "ui/platform/PluginLoading.h"
#include "ui/sound/SoundPlayer.h"

#include <QCoreApplication>
#include <QTest>

#include <cmath>
#include <cstring>
#include <string>

using namespace tumbla;

namespace {

struct Header {
    std::string riff, wave, fmt, data;
    std::uint32_t riffSize = 0, fmtSize = 0, sampleRate = 0, byteRate = 0, dataSize = 0;
    std::uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
};

Header ReadHeader(const std::vector<std::uint8_t>& file) {
    std::span<const std::uint8_t> in(file);
    const auto tag = [&](std::size_t at) {
        return std::string(reinterpret_cast<const char*>(file.data() + at), 4);
    };
    Header h;
    h.riff = tag(0);
    h.riffSize = GetU32(in, 4);
    h.wave = tag(8);
    h.fmt = tag(12);
    h.fmtSize = GetU32(in, 16);
    h.format = GetU16(in, 20);
    h.channels = GetU16(in, 22);
    h.sampleRate = GetU32(in, 24);
    h.byteRate = GetU32(in, 28);
    h.blockAlign = GetU16(in, 32);
    h.bits = GetU16(in, 34);
    h.data = tag(36);
    h.dataSize = GetU32(in, 40);
    return h;
}

std::vector<double> Decode16(const std::vector<std::uint8_t>& file) {
    std::span<const std::uint8_t> in(file);
    std::vector<double> out;
    for (std::size_t at = WavHeaderSize; at + 1 < file.size(); at += 2) {
        out.push_back(static_cast<std::int16_t>(GetU16(in, at)) / 32768.0);
    }
    return out;
}

QtMessageHandler previousHandler = nullptr;
QStringList captured;
void Capture(QtMsgType, const QMessageLogContext&, const QString& text) {
    captured << text;
}

} // namespace

class SoundClipsTest : public QObject {
    Q_OBJECT
  private slots:
    void glassClipIsOneSecondOf8BitMonoAt11025() {
        const auto file = GlassClip();
        QVERIFY(file.size() > WavHeaderSize);
        const Header h = ReadHeader(file);
        QCOMPARE(h.riff, std::string("RIFF"));
        QCOMPARE(h.wave, std::string("WAVE"));
        QCOMPARE(h.fmt, std::string("fmt "));
        QCOMPARE(h.data, std::string("data"));
        QCOMPARE(h.riffSize, static_cast<std::uint32_t>(file.size() - 8));
        QCOMPARE(h.fmtSize, 16u);
        QCOMPARE(h.format, std::uint16_t{1});
        QCOMPARE(h.channels, std::uint16_t{1});
        QCOMPARE(h.sampleRate, 11025u);
        QCOMPARE(h.bits, std::uint16_t{8});
        QCOMPARE(h.blockAlign, std::uint16_t{1});
        QCOMPARE(h.byteRate, 11025u);
        QCOMPARE(file.size(), WavHeaderSize + h.dataSize + h.dataSize % 2);
        const double seconds = static_cast<double>(h.dataSize) / h.byteRate;
        QVERIFY2(seconds > 0.8 && seconds < 1.3, qPrintable(QString::number(seconds)));
    }

    void glassSamplesAreUnsignedAroundTheMiddleAndEndSilent() {
        const auto file = GlassClip();
        const std::span<const std::uint8_t> pcm(file.data() + WavHeaderSize,
                                                ReadHeader(file).dataSize);
        double sum = 0;
        int peak = 0;
        for (std::uint8_t s : pcm) {
            sum += s;
            peak = std::max(peak, std::abs(s - 128));
        }
        // Signed samples written as unsigned would sit around 0 and 255, not 128.
        QVERIFY(std::abs(sum / static_cast<double>(pcm.size()) - 128) < 4);
        QVERIFY(peak > 60);
        for (std::size_t i = pcm.size() - 20; i < pcm.size(); ++i)
            QVERIFY(std::abs(pcm[i] - 128) <= 2);
    }

    void endOfGameClipIsTwoSecondsOf16BitStereoAt22050() {
        const auto file = EndOfGameClip();
        const Header h = ReadHeader(file);
        QCOMPARE(h.riff, std::string("RIFF"));
        QCOMPARE(h.wave, std::string("WAVE"));
        QCOMPARE(h.riffSize, static_cast<std::uint32_t>(file.size() - 8));
        QCOMPARE(h.format, std::uint16_t{1});
        QCOMPARE(h.channels, std::uint16_t{2});
        QCOMPARE(h.sampleRate, 22050u);
        QCOMPARE(h.bits, std::uint16_t{16});
        QCOMPARE(h.blockAlign, std::uint16_t{4});
        QCOMPARE(h.byteRate, 88200u);
        QCOMPARE(h.dataSize % 4, 0u);
        QCOMPARE(file.size(), WavHeaderSize + h.dataSize);
        const double seconds = static_cast<double>(h.dataSize) / h.byteRate;
        QVERIFY2(seconds > 1.8 && seconds < 2.3, qPrintable(QString::number(seconds)));
    }

    void endOfGameSamplesUseBothChannelsAndEndSilent() {
        const auto samples = Decode16(EndOfGameClip());
        double left = 0, right = 0, apart = 0;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            left = std::max(left, std::abs(samples[i]));
            right = std::max(right, std::abs(samples[i + 1]));
            apart = std::max(apart, std::abs(samples[i] - samples[i + 1]));
        }
        QVERIFY(left > 0.3 && right > 0.3);
        QVERIFY(left < 1.0 && right < 1.0); // no clipping
        QVERIFY(apart > 0.05);              // really stereo
        for (std::size_t i = samples.size() - 40; i < samples.size(); ++i) {
            QVERIFY(std::abs(samples[i]) < 0.002);
        }
    }

    void clipsAreTheSameOnEveryRun() {
        QVERIFY(GlassClip() == GlassClip());
        QVERIFY(EndOfGameClip() == EndOfGameClip());
    }

    void oddDataGetsThePadByte() {
        const std::vector<std::uint8_t> pcm{1, 2, 3};
        const auto file = MakeWavFile(WavFormat{8000, 1, 8}, pcm);
        QCOMPARE(file.size(), WavHeaderSize + 4);
        const Header h = ReadHeader(file);
        QCOMPARE(h.dataSize, 3u);
        QCOMPARE(h.riffSize, static_cast<std::uint32_t>(WavHeaderSize + 4 - 8));
        QCOMPARE(file[WavHeaderSize + 2], std::uint8_t{3});
        QCOMPARE(file.back(), std::uint8_t{0});
    }

    void quantisingClampsAndRounds() {
        const auto u8 = ToUnsigned8({-2.0f, -1.0f, 0.0f, 1.0f, 3.0f});
        QCOMPARE(u8, (std::vector<std::uint8_t>{1, 1, 128, 255, 255}));
        const auto s16 = ToSigned16({-1.0f, 0.5f});
        QCOMPARE(static_cast<std::int16_t>(GetU16(s16, 0)), std::int16_t{-32767});
        QCOMPARE(static_cast<std::int16_t>(GetU16(s16, 2)), std::int16_t{16384});
    }

    void playerIsSilentWhenSoundIsOffAndQuietWithoutADevice() {
        SetPluginDirectory(QStringLiteral(TUMBLA_UI_BINARY_DIR));
        previousHandler = qInstallMessageHandler(Capture);
        SoundPlayer player;
        player.play(SoundClip::Glass);
        QVERIFY(!player.outputAvailable()); // sound off: the sound system is not even asked
        player.setSoundOn(true);
        player.play(SoundClip::Glass);
        player.play(SoundClip::EndOfGame);
        QCoreApplication::processEvents();
        qInstallMessageHandler(previousHandler);
        if (!player.outputAvailable())
            QVERIFY2(captured.isEmpty(), qPrintable(captured.join('\n')));
    }
};

QTEST_MAIN(SoundClipsTest)
#include "SoundClipsTest.moc"
