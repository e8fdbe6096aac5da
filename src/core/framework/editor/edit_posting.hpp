#pragma once

#include <string>
#include <string_view>

#include "framework/devices.hpp"
#include "framework/editor/ins_devices.hpp"

namespace vertanum {

// The outcome of one edit: accepted, or refused with the message to show.
struct EditOutcome {
    bool accepted = false;
    std::string message;
};

// Posts `text` as the new value of the row `row_name` of the open document, as the property grid
// does when a value is committed or a check row toggled:
//  - only a shown, editable row takes a value; a check row takes its checked or unchecked text
//    ("1" or "0"); a list-only pick row only one of its items; a text row no more characters
//    than its maximum length;
//  - the editor's ApplyEditor validates and encodes it (a check row's toggle is always accepted);
//  - when accepted, the row shows the new value and the model is marked Modified.
// A refusal leaves the row, the images and Modified as they were.
EditOutcome PostRowValue(TInsDevices& editor, TDevices& model, std::string_view row_name,
                         const std::string& text);

}  // namespace vertanum
