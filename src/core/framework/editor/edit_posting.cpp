#include "framework/editor/edit_posting.hpp"

#include "text/utf8.hpp"

namespace vertanum {
namespace {

EditOutcome Refused(std::string message) {
    return {false, std::move(message)};
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        text::NextCodePoint(text, pos);
        ++count;
    }
    return count;
}

}  // namespace

EditOutcome PostRowValue(TInsDevices& editor, TDevices& model, std::string_view row_name,
                         const std::string& text) {
    if (auto why = editor.EditsUnavailable()) return Refused(*why);
    RowModel* rows = editor.Rows();
    Row* row = rows ? rows->Find(row_name) : nullptr;
    if (!row) return Refused("Нет параметра с именем «" + std::string(row_name) + "».");
    if (!row->Editable()) {
        return Refused("Параметр «" + row->Caption() + "» сейчас не изменяется.");
    }
    switch (row->Kind()) {
        case RowKind::Check:
            if (text != row->CheckedValue() && text != row->UncheckedValue()) {
                return Refused("Параметр «" + row->Caption() + "» принимает только «" +
                               row->CheckedValue() + "» или «" + row->UncheckedValue() + "».");
            }
            break;
        case RowKind::Pick:
            if (!row->AdmitsItem(text)) {
                return Refused("Значение «" + text + "» не входит в список параметра «" +
                               row->Caption() + "».");
            }
            break;
        case RowKind::Text:
            if (row->MaxLength() > 0 &&
                CharacterCount(text) > static_cast<std::size_t>(row->MaxLength())) {
                return Refused("Значение параметра «" + row->Caption() + "» длиннее " +
                               std::to_string(row->MaxLength()) + " символов.");
            }
            break;
        case RowKind::Mask:
            break;
    }

    std::string error_text;
    editor.ApplyEditor(row->Name(), text, error_text, model);
    // A toggle is always taken, whatever the map answers.
    if (!error_text.empty() && row->Kind() != RowKind::Check) return Refused(error_text);
    row->SetValue(text);
    model.Modified = true;
    return {true, {}};
}

}  // namespace vertanum
