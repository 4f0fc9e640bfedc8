#include "situation/IniDocument.h"

#include "situation/Blanks.h"
#include "situation/Windows1250.h"

#include <algorithm>

namespace tumbla {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool Blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

// What one line is to the dialect.
struct LineMeaning {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;   // the section's or the key's
    std::size_t valueAt = 0; // where the value starts in the line
    std::string_view value;  // as written, blanks around it off
};

LineMeaning Meaning(std::string_view line, bool first) {
    // A byte-order mark is no part of the first line's text.
    std::size_t skipped = 0;
    if (first && line.substr(0, 3) == "\xEF\xBB\xBF") {
        line.remove_prefix(3);
        skipped = 3;
    }
    const std::string_view trimmed = TrimBlanks(line);
    LineMeaning m;
    if (trimmed.empty() || trimmed.front() == ';') return m;
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        m.kind = LineMeaning::Section;
        m.name = TrimBlanks(
            trimmed.substr(1, close == std::string_view::npos ? trimmed.npos : close - 1));
        return m;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return m;
    m.name = TrimBlanks(line.substr(0, eq));
    if (m.name.empty()) return m;
    m.kind = LineMeaning::Key;
    std::size_t at = eq + 1;
    while (at < line.size() && Blank(line[at])) ++at;
    m.valueAt = skipped + at;
    m.value = TrimBlanks(line.substr(at));
    return m;
}

std::string Decoded(std::string_view stored) {
    if (stored.size() >= 2 && stored.front() == stored.back() &&
        (stored.front() == '"' || stored.front() == '\''))
        stored = stored.substr(1, stored.size() - 2);
    return IsUtf8(stored) ? std::string(stored) : Windows1250ToUtf8(stored);
}

// How a value is written so that it reads back as it is: in quotes when blanks
// at its ends or quotes around it would otherwise be taken off.
std::string Encoded(std::string_view value) {
    const bool quoted = value.size() >= 2 && value.front() == value.back() &&
                        (value.front() == '"' || value.front() == '\'');
    if (value.empty() || !(Blank(value.front()) || Blank(value.back()) || quoted))
        return std::string(value);
    std::string out;
    out.reserve(value.size() + 2);
    out.push_back('"');
    out.append(value);
    out.push_back('"');
    return out;
}

bool Writable(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            doc.lines_.push_back({std::string(text), ""});
            break;
        }
        std::string_view line = text.substr(0, end);
        const bool crlf = !line.empty() && line.back() == '\r';
        if (crlf) line.remove_suffix(1);
        doc.lines_.push_back({std::string(line), crlf ? "\r\n" : "\n"});
        text.remove_prefix(end + 1);
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) out += line.text + line.ending;
    return out;
}

std::string IniDocument::newLine() const {
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return "\n";
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning m = Meaning(lines_[i].text, i == 0);
        if (m.kind == LineMeaning::Section) inSection = SameName(m.name, section);
        if (m.kind == LineMeaning::Key && inSection && SameName(m.name, key))
            return Decoded(m.value);
    }
    return std::nullopt;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    // Names that would read back as something else, and values a line cannot hold.
    if (!Writable(section) || section.find(']') != std::string_view::npos ||
        TrimBlanks(section) != section)
        return false;
    if (key.empty() || !Writable(key) || key.find('=') != std::string_view::npos ||
        TrimBlanks(key) != key || key.front() == '[' || key.front() == ';')
        return false;
    // A carriage return inside a value reads back as it is (the line's end is
    // the line feed); at the value's ends the quotes keep it.
    if (value.find('\n') != std::string_view::npos) return false;

    // New keys go to the first section of the name, after its last key.
    enum { Before, Inside, After } first = Before;
    std::optional<std::size_t> insertAt;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const LineMeaning m = Meaning(lines_[i].text, i == 0);
        if (m.kind == LineMeaning::Section) {
            inSection = SameName(m.name, section);
            if (first == Inside) first = After;
            if (inSection && first == Before) {
                first = Inside;
                insertAt = i + 1;
            }
            continue;
        }
        if (m.kind != LineMeaning::Key || !inSection) continue;
        if (SameName(m.name, key)) {
            // The same value stays as it was written, code page and quotes included.
            if (Decoded(m.value) == value) return true;
            Line& line = lines_[i];
            line.text = line.text.substr(0, m.valueAt) + Encoded(value);
            return true;
        }
        if (first == Inside) insertAt = i + 1;
    }
    const std::string ending = newLine();
    if (!lines_.empty() && lines_.back().ending.empty()) lines_.back().ending = ending;
    const Line added{std::string(key) + "=" + Encoded(value), ending};
    if (insertAt) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*insertAt), added);
        return true;
    }
    if (!lines_.empty() && !TrimBlanks(lines_.back().text).empty()) lines_.push_back({"", ending});
    lines_.push_back({"[" + std::string(section) + "]", ending});
    lines_.push_back(added);
    return true;
}

} // namespace tumbla
