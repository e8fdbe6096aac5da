#pragma once

#include <memory>
#include <vector>

#include "framework/editor/ins_devices.hpp"

namespace vertanum {

class DependencyTimer;

// How to make the editor of one registry position.
using EditorFactory = std::unique_ptr<TInsDevices> (*)();

// One factory per registry position, in the registry's order (defined beside the maps).
const std::vector<EditorFactory>& RegisteredEditors();

// The ordered list that owns one editor per registered model: the editor of the model at
// registry position i is the editor at position i. Every editor arms its rules on `timer`.
class EditorList {
  public:
    explicit EditorList(DependencyTimer* timer = nullptr);

    int Count() const { return static_cast<int>(editors_.size()); }
    // The editor at a position, or nullptr outside 0..Count()-1.
    TInsDevices* At(int position) const;

  private:
    std::vector<std::unique_ptr<TInsDevices>> editors_;
};

}  // namespace vertanum
