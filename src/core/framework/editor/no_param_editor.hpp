#pragma once

#include "framework/editor/ins_devices.hpp"

namespace vertanum {

// The editor of a model without editable parameters: one heading saying so, and every value
// accepted without change.
class TInsNoParamDevices : public TInsDevices {
  public:
    static constexpr const char* kRowName = "NoParam";
    static constexpr const char* kCaption = "Нет редактируемых параметров";

    using TInsDevices::TInsDevices;

  protected:
    void BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) override;
    void ApplyValue(const std::string& row_name, const std::string& text, std::string& error_text,
                    TDevices& model) override;
};

}  // namespace vertanum
