#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vertanum::config {

// An INI text held as its own bytes (Windows-1251), read the way the Windows profile functions
// read it and updated in place: a key that is set again keeps its line, a new key goes after the
// last entry of its section, a new section goes at the end, and every other byte of the text
// stays exactly as it was.
//
// Reading: CR LF or LF line ends; blanks around section names, keys, '=' and values; blank
// lines; comment lines beginning with ';'; section and key names compared without regard to case
// (Latin and Cyrillic); the first of two equal sections or keys wins; a value enclosed in a pair
// of quotes is read without them.
class IniDocument {
  public:
    IniDocument() = default;
    static IniDocument Parse(std::string_view bytes);

    // The value of a key, or nothing when the section or the key is missing.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets a key, replacing its line or adding it (and its section) when missing.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    bool HasSection(std::string_view section) const;

    // The whole text again.
    std::string Serialize() const;

  private:
    struct Line {
        std::string text;    // without its line end
        std::string ending;  // "\r\n", "\n", "\r", or "" for a last line without one
    };
    struct Section {
        Line header;
        std::vector<Line> body;
        std::unordered_map<std::string, std::size_t> keys;  // folded key -> index in body
        std::size_t entries_end = 0;                        // one past the last key line of body
    };

    const Section* FindSection(std::string_view folded) const;
    void EnsureLastLineEnded();
    std::string Ending() const { return ending_.empty() ? "\r\n" : ending_; }

    std::string bom_;
    std::vector<Line> prologue_;  // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> section_index_;  // folded name -> sections_
    std::string ending_;  // the line end the text uses, taken from its first line
};

// Folds Latin and Cyrillic (Windows-1251) letters to lower case, as names are compared.
std::string FoldCase(std::string_view bytes);

}  // namespace vertanum::config
