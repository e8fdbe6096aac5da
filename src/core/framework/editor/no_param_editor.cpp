#include "framework/editor/no_param_editor.hpp"

namespace vertanum {

void TInsNoParamDevices::BuildRows(RowModel& rows, TDevices&, ProgressDisplay&) {
    rows.AddCategory(kRowName, kCaption);
}

void TInsNoParamDevices::ApplyValue(const std::string&, const std::string&, std::string&,
                                    TDevices&) {}

}  // namespace vertanum
