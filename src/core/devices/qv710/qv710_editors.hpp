#pragma once

#include "framework/editor/no_param_editor.hpp"

namespace vertanum {

// QV710P001: the readiness time of the fire detectors on its two loops and the duration of the
// fire-detector reset, in the low bytes of three program words.
class TInsQV710P001Devices : public TInsDevices {
  public:
    TInsQV710P001Devices() : TInsDevices("QV710P001") {}

  protected:
    void BuildRows(RowModel& rows, TDevices& model, ProgressDisplay& progress) override;
    void ApplyValue(const std::string& row_name, const std::string& text, std::string& error_text,
                    TDevices& model) override;
};

// The other QV710 modules have nothing to edit (QV710P002 keeps its three times in its file all
// the same).
#define VERTANUM_QV710_NO_PARAM_EDITOR(Class, ModelName) \
    class Class : public TInsNoParamDevices {            \
      public:                                            \
        Class() : TInsNoParamDevices(ModelName) {}       \
    };

VERTANUM_QV710_NO_PARAM_EDITOR(TInsQV710P002Devices, "QV710P002")
VERTANUM_QV710_NO_PARAM_EDITOR(TInsQV710P003Devices, "QV710P003")
VERTANUM_QV710_NO_PARAM_EDITOR(TInsQV710U001Devices, "QV710U001")
VERTANUM_QV710_NO_PARAM_EDITOR(TInsQV710U002Devices, "QV710U002")
VERTANUM_QV710_NO_PARAM_EDITOR(TInsQV710U003Devices, "QV710U003")
VERTANUM_QV710_NO_PARAM_EDITOR(TInsQV710U004Devices, "QV710U004")

#undef VERTANUM_QV710_NO_PARAM_EDITOR

}  // namespace vertanum
