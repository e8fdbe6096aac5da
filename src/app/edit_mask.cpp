#include "edit_mask.hpp"

namespace vertanum::app {
namespace {

// Characters with a meaning in a Qt input mask; a literal one needs a backslash.
bool IsQtMaskCharacter(char c) {
    switch (c) {
        case 'A':
        case 'a':
        case 'N':
        case 'n':
        case 'X':
        case 'x':
        case '9':
        case '0':
        case 'D':
        case 'd':
        case '#':
        case 'H':
        case 'h':
        case 'B':
        case 'b':
        case '>':
        case '<':
        case '!':
        case '\\':
        case ';':
        case '[':
        case ']':
        case '{':
        case '}':
            return true;
        default:
            return false;
    }
}

}  // namespace

EditMaskParts SplitEditMask(std::string_view edit_mask) {
    EditMaskParts parts;
    // The last two fields are taken from the end, so a mask that holds an escaped ";" survives.
    const auto last = edit_mask.rfind(';');
    if (last == std::string_view::npos) {
        parts.mask = std::string(edit_mask);
        return parts;
    }
    const auto middle = edit_mask.rfind(';', last == 0 ? 0 : last - 1);
    if (middle == std::string_view::npos || middle == last) {
        parts.mask = std::string(edit_mask.substr(0, last));
        parts.keep_literals = edit_mask.substr(last + 1) != "0";
        return parts;
    }
    parts.mask = std::string(edit_mask.substr(0, middle));
    parts.keep_literals = edit_mask.substr(middle + 1, last - middle - 1) != "0";
    if (last + 1 < edit_mask.size()) parts.blank = edit_mask[last + 1];
    return parts;
}

std::string QtInputMask(std::string_view edit_mask) {
    const EditMaskParts parts = SplitEditMask(edit_mask);
    std::string out;
    const std::string& m = parts.mask;
    for (std::size_t i = 0; i < m.size(); ++i) {
        const char c = m[i];
        switch (c) {
            case '0':
                out += '9';
                break;  // a required digit
            case '9':
                out += '0';
                break;  // an optional digit
            case 'L':
                out += 'A';
                break;  // a required letter
            case 'l':
                out += 'a';
                break;
            case 'A':
                out += 'N';
                break;  // a required letter or digit
            case 'a':
                out += 'n';
                break;
            case 'C':
                out += 'X';
                break;  // any required character
            case 'c':
                out += 'x';
                break;
            case '#':
                out += '#';
                break;  // a digit or a sign, optional
            case '>':
                out += '>';
                break;
            case '<':
                if (i + 1 < m.size() && m[i + 1] == '>') {
                    out += '!';
                    ++i;
                } else {
                    out += '<';
                }
                break;
            case '!':
                break;  // blanks are trimmed by the edit itself
            case '_':
                out += ' ';
                break;
            case '\\':
                if (i + 1 < m.size()) {
                    ++i;
                    if (IsQtMaskCharacter(m[i])) out += '\\';
                    out += m[i];
                }
                break;
            default:
                if (IsQtMaskCharacter(c)) out += '\\';
                out += c;
                break;
        }
    }
    out += ';';
    out += parts.blank;
    return out;
}

}  // namespace vertanum::app
