#pragma once

#include "framework/editor/ins_devices.hpp"

namespace vertanum {

// The parameter editor of the KRV module: the master code, the access codes of the 32
// partitions, the partitions of the 45 users and the console address, all in the EEPROM image.
class TInsKRVDevices : public TInsDevices {
  public:
    static constexpr int kPartitions = 32;
    static constexpr int kUsers = 45;
    static constexpr const char* kCodeMask = "0000;1;#";

    TInsKRVDevices() : TInsDevices("KRV") {}

  protected:
    void BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) override;
    void ApplyValue(const std::string& row_name, const std::string& text, std::string& error_text,
                    TDevices& model) override;
};

}  // namespace vertanum
