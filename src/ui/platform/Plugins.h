#pragma once
// What the game's plugins offer. The score chart and the sounds need heavy
// toolkit modules (Qt Charts, Qt Multimedia); each lives in a small plugin of
// its own, loaded the first time it is needed, so that a player who never
// opens the chart or turns the sound on never loads those modules.

#include <QtPlugin>

#include <cstdint>
#include <memory>
#include <vector>

class QDialog;
class QWidget;

namespace tumbla {

struct ScoreColumns;

inline constexpr const char* ScoreChartPluginName = "tumbla-chart";
inline constexpr const char* SoundPluginName = "tumbla-sound";

class ScoreChartPlugin {
  public:
    virtual ~ScoreChartPlugin() = default;
    // "body graficky:" over the values of groups of 1, 2, ... stones, one
    // element per group size; the caller owns the window.
    virtual QDialog* makeScoreChart(const std::vector<ScoreColumns>& columns, QWidget* parent) = 0;
};

// Plays the game's clips, held in memory as WAV files.
class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // Whether the machine has an audio output; asked quietly.
    virtual bool available() = 0;
    // Takes clip number `clip` before its first playing; false when it cannot.
    virtual bool prepare(int clip, const std::vector<std::uint8_t>& wav) = 0;
    virtual void play(int clip) = 0;
};

class SoundPlugin {
  public:
    virtual ~SoundPlugin() = default;
    virtual std::unique_ptr<SoundOutput> makeSoundOutput() = 0;
};

} // namespace tumbla

Q_DECLARE_INTERFACE(tumbla::ScoreChartPlugin, "tumbla.ScoreChartPlugin/1")
Q_DECLARE_INTERFACE(tumbla::SoundPlugin, "tumbla.SoundPlugin/1")
