#include "results/EndGameSession.h"

#include "results/FameCommands.h"

namespace tumbla {

void EndGameSession::begin(EndGameMode mode, const GameSettings& settings, std::int32_t totalScore,
                           const HallOfFame& hall) {
    mode_ = mode;
    settings_ = settings;
    total_ = totalScore;
    rank(hall, mode == EndGameMode::End ? std::optional(totalScore) : std::nullopt);
    // A name from an earlier game is proposed again, but only a result that
    // made it into the table can be entered.
    entryOpen_ = false;
    currentRow_.reset();
    currentName_.clear();
    if (mode_ != EndGameMode::End) return;
    for (std::size_t i = 0; i < ranking_.size(); ++i) {
        if (ranking_[i].isCurrent()) {
            entryOpen_ = true;
            currentRow_ = i;
            break;
        }
    }
}

void EndGameSession::setSwitches(const RankingSwitches& switches, const HallOfFame& hall) {
    switches_ = switches;
    rank(hall, std::nullopt);
    if (entryOpen_ && !entryText_.empty()) entryOpen_ = false;
}

void EndGameSession::rank(const HallOfFame& hall, std::optional<std::int32_t> currentPoints) {
    FameRanker ranker = RankHallOfFame(hall, settings_, switches_, currentPoints);
    ranking_ = ranker.ranking();
    records_ = ranker.records();
}

void EndGameSession::type(std::string_view utf8) {
    if (entryOpen_) entryText_ += utf8;
}

void EndGameSession::erase() {
    if (!entryOpen_ || entryText_.empty()) return;
    // Back over one whole UTF-8 character.
    std::size_t n = entryText_.size() - 1;
    while (n > 0 && (static_cast<unsigned char>(entryText_[n]) & 0xC0) == 0x80) --n;
    entryText_.erase(n);
}

bool EndGameSession::confirmWithEnter(const HallOfFame& hall, Messages& messages) {
    if (!entryOpen_) return false;
    confirm(hall, messages);
    return true;
}

bool EndGameSession::confirmWithOk(const HallOfFame& hall, Messages& messages) {
    if (!entryOpen_ || entryText_.find_first_not_of(' ') == std::string::npos) return false;
    confirm(hall, messages);
    return true;
}

void EndGameSession::confirm(const HallOfFame& hall, Messages& messages) {
    entryOpen_ = false;
    currentName_ = entryText_;
    if (!entryText_.empty()) AppendResult(hall, messages, settings_, entryText_, total_);
}

std::string EndGameSession::nameLabel() const {
    return entryOpen_ ? entryText_ + "_" : entryText_;
}

std::vector<std::optional<RankingRow>> EndGameSession::rows() const {
    std::vector<std::optional<RankingRow>> out(RankingSize);
    for (std::size_t i = 0; i < ranking_.size() && i < RankingSize; ++i) {
        out[i] = MakeRankingRow(i + 1, ranking_[i], records_[i], currentName_);
    }
    return out;
}

} // namespace tumbla
