#include "config/ini_document.hpp"

namespace vertanum::config {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The name of a section header line, or nothing when the line is not a header.
std::optional<std::string_view> HeaderName(std::string_view line) {
    auto t = Trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    auto close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(t.substr(1, close - 1));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> ParseEntry(std::string_view line) {
    auto t = Trim(line);
    if (t.empty() || t.front() == ';') return std::nullopt;
    auto eq = t.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    auto key = Trim(t.substr(0, eq));
    if (key.empty()) return std::nullopt;
    auto value = Trim(t.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return Entry{key, value};
}

}  // namespace

std::string FoldCase(std::string_view bytes) {
    std::string out(bytes);
    for (char& ch : out) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + 32);
        } else if (c >= 0xC0 && c <= 0xDF) {  // А..Я
            c = static_cast<unsigned char>(c + 32);
        } else if (c == 0xA8) {  // Ё
            c = 0xB8;
        } else if (c == 0x80 || c == 0x81 || c == 0x8A || c == 0x8C || c == 0x8D || c == 0x8E ||
                   c == 0x8F) {
            static constexpr unsigned char lower[] = {0x90, 0x83, 0,    0, 0,    0,    0,    0,
                                                      0,    0,    0x9A, 0, 0x9C, 0x9D, 0x9E, 0x9F};
            c = lower[c - 0x80];
        } else if (c == 0xA1 || c == 0xA3 || c == 0xA5 || c == 0xAA || c == 0xAF || c == 0xB2 ||
                   c == 0xBD) {
            switch (c) {
                case 0xA1:
                    c = 0xA2;
                    break;
                case 0xA3:
                    c = 0xBC;
                    break;
                case 0xA5:
                    c = 0xB4;
                    break;
                case 0xAA:
                    c = 0xBA;
                    break;
                case 0xAF:
                    c = 0xBF;
                    break;
                case 0xB2:
                    c = 0xB3;
                    break;
                default:
                    c = 0xBE;
                    break;
            }
        }
        ch = static_cast<char>(c);
    }
    return out;
}

IniDocument IniDocument::Parse(std::string_view bytes) {
    IniDocument doc;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        doc.bom_ = "\xEF\xBB\xBF";
        bytes.remove_prefix(3);
    }
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        Line line;
        if (end == std::string_view::npos) {
            line.text = bytes.substr(pos);
            pos = bytes.size();
        } else {
            line.text = bytes.substr(pos, end - pos);
            std::size_t len =
                (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
            line.ending = bytes.substr(end, len);
            pos = end + len;
            if (doc.ending_.empty()) doc.ending_ = line.ending;
        }

        if (auto name = HeaderName(line.text)) {
            doc.sections_.push_back(Section{std::move(line), {}, {}, 0});
            auto folded = FoldCase(*name);
            doc.section_index_.emplace(folded, doc.sections_.size() - 1);  // first one wins
            current = &doc.sections_.back();
            continue;
        }
        if (!current) {
            doc.prologue_.push_back(std::move(line));
            continue;
        }
        current->body.push_back(std::move(line));
        if (auto entry = ParseEntry(current->body.back().text)) {
            current->keys.emplace(FoldCase(entry->key), current->body.size() - 1);
            current->entries_end = current->body.size();
        }
    }
    return doc;
}

const IniDocument::Section* IniDocument::FindSection(std::string_view folded) const {
    auto it = section_index_.find(std::string(folded));
    return it == section_index_.end() ? nullptr : &sections_[it->second];
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(FoldCase(section)) != nullptr;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(FoldCase(section));
    if (!s) return std::nullopt;
    auto it = s->keys.find(FoldCase(key));
    if (it == s->keys.end()) return std::nullopt;
    return std::string(ParseEntry(s->body[it->second].text)->value);
}

void IniDocument::EnsureLastLineEnded() {
    Line* last = nullptr;
    if (!sections_.empty()) {
        auto& s = sections_.back();
        last = s.body.empty() ? &s.header : &s.body.back();
    } else if (!prologue_.empty()) {
        last = &prologue_.back();
    }
    if (last && last->ending.empty()) last->ending = Ending();
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string text;
    text.reserve(key.size() + value.size() + 1);
    text.append(key).append("=").append(value);

    auto folded_section = FoldCase(section);
    auto it = section_index_.find(folded_section);
    if (it == section_index_.end()) {
        const bool empty = prologue_.empty() && sections_.empty();
        EnsureLastLineEnded();
        if (!empty) {
            // A blank line between sections, as the Windows profile writer leaves one.
            auto& before = sections_.empty() ? prologue_ : sections_.back().body;
            before.push_back(Line{"", Ending()});
        }
        sections_.push_back(Section{Line{"[" + std::string(section) + "]", Ending()}, {}, {}, 0});
        it = section_index_.emplace(folded_section, sections_.size() - 1).first;
    }
    Section& s = sections_[it->second];
    auto folded_key = FoldCase(key);
    if (auto k = s.keys.find(folded_key); k != s.keys.end()) {
        s.body[k->second].text = std::move(text);
        return;
    }
    // Lines after the last entry are blanks, comments or stray text; the new key goes before
    // them, so no stored index moves.
    if (s.entries_end == 0 && s.header.ending.empty()) s.header.ending = Ending();
    if (s.entries_end > 0 && s.body[s.entries_end - 1].ending.empty()) {
        s.body[s.entries_end - 1].ending = Ending();
    }
    s.body.insert(s.body.begin() + static_cast<std::ptrdiff_t>(s.entries_end),
                  Line{std::move(text), Ending()});
    s.keys.emplace(std::move(folded_key), s.entries_end);
    ++s.entries_end;
}

std::string IniDocument::Serialize() const {
    std::string out = bom_;
    auto put = [&out](const Line& l) { out.append(l.text).append(l.ending); };
    for (const auto& l : prologue_) put(l);
    for (const auto& s : sections_) {
        put(s.header);
        for (const auto& l : s.body) put(l);
    }
    return out;
}

}  // namespace vertanum::config
