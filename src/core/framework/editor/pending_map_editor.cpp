#include "framework/editor/pending_map_editor.hpp"

namespace vertanum {

void TInsPendingMapDevices::BuildRows(RowModel& rows, TDevices&, ProgressDisplay&) {
    rows.AddCategory(kRowName, kCaption);
}

void TInsPendingMapDevices::ApplyValue(const std::string&, const std::string&,
                                       std::string& error_text, TDevices&) {
    error_text = kRefusal;
}

}  // namespace vertanum
