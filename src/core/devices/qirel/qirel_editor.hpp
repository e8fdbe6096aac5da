#pragma once

#include "framework/editor/no_param_editor.hpp"

namespace vertanum {

// The Qirel address loader has no parameters: its editor says so and accepts everything.
class TInsQirelDevices : public TInsNoParamDevices {
  public:
    TInsQirelDevices() : TInsNoParamDevices("Qirel") {}
};

}  // namespace vertanum
