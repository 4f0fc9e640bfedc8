#pragma once
// What `play` and `hints` share: reading the code, the number and the moves,
// and a game set up from them that shows nothing.

#include "record/Game.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tumbla::cli {

// A move as typed: "r/c" for a cell (any numbers; off-field ones are refused
// when played) or D N L P for a gravity button.
struct TypedMove {
    long row = 0;
    long col = 0;
    bool gravity = false;
    std::string text; // as printed back
};

std::optional<TypedMove> ParseMove(const std::string& text);
std::optional<std::int32_t> ParseSituationNumber(const std::string& text);

struct Session {
    SilentGameView view;
    SilentMessages messages;
    Game game{view, messages};
    std::vector<TypedMove> moves;
};

// Reads CODE NUMBER [MOVE ...] and starts the situation; complains and gives
// nothing on a malformed argument or a code that does not decode.
std::unique_ptr<Session> OpenSession(const std::vector<std::string>& args, std::ostream& err);

// Plays one move as the window would; false when it was refused.
bool PlayTyped(Game& game, const TypedMove& move);

} // namespace tumbla::cli
