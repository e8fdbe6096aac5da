#pragma once

#include "framework/editor/ins_devices.hpp"

namespace vertanum {

// Stands at the position of a model whose parameter map is not written yet. The document loads
// (factory images and file), can be saved and programmed, and shows plainly that its parameters
// cannot be edited here yet; every edit is refused with that message.
class TInsPendingMapDevices : public TInsDevices {
  public:
    static constexpr const char* kRowName = "MapNotAvailable";
    static constexpr const char* kCaption =
        "Карта параметров этой модели ещё не доступна: параметры не показываются";
    static constexpr const char* kRefusal =
        "Параметры этой модели пока нельзя изменять: её карта параметров ещё не доступна.";

    using TInsDevices::TInsDevices;
    std::optional<std::string> EditsUnavailable() const override { return kRefusal; }

  protected:
    void BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) override;
    void ApplyValue(const std::string& row_name, const std::string& text, std::string& error_text,
                    TDevices& model) override;
};

}  // namespace vertanum
