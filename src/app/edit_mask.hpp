#pragma once

#include <string>
#include <string_view>

namespace vertanum::app {

// A mask row's edit mask, "mask;keep-literals;blank", for example "0000;1;#": four required
// digits, literals kept in the value, "#" shown for an empty place.
struct EditMaskParts {
    std::string mask;
    bool keep_literals = true;
    char blank = '_';
};

EditMaskParts SplitEditMask(std::string_view edit_mask);

// The same mask in the notation of a Qt line edit's input mask ("9999;#" for "0000;1;#").
// Required and optional places keep their meaning; characters that would be mask characters
// there are escaped so they stay literals.
std::string QtInputMask(std::string_view edit_mask);

}  // namespace vertanum::app
