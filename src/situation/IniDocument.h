#pragma once
// Tumbla.ini as the player's file: its lines as they stand. The game reads
// and changes the values of its own keys; every other line (comments, keys of
// other programs, lines that are no INI at all) stays byte for byte, and so
// do the values it does not change.
//
// The dialect: "[Section]" lines; "key=value" lines, blanks around key and
// value ignored and a value in matching quotes taken without them; ";"
// comments; sections and keys found regardless of letter case, the first of
// two equal keys counting. Values are UTF-8; a value that is not is read as
// Windows-1250, in which the old system wrote texts.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tumbla {

class IniDocument {
  public:
    static IniDocument Parse(std::string_view text);
    std::string text() const;

    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Sets the value as given: an existing key keeps its line and place, a new
    // one goes after the last key of its section, a new section at the end.
    // False (and nothing changed) for what a line cannot hold: a line feed in
    // the value, or a section or key name that would read back otherwise.
    bool set(std::string_view section, std::string_view key, std::string_view value);

  private:
    struct Line {
        std::string text;
        std::string ending; // "\n", "\r\n" or "" for a last line without one
    };
    std::string newLine() const;

    std::vector<Line> lines_;
};

} // namespace tumbla
