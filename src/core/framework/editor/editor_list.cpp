#include "framework/editor/editor_list.hpp"

namespace vertanum {

EditorList::EditorList(DependencyTimer* timer) {
    for (EditorFactory make : RegisteredEditors()) {
        editors_.push_back(make());
        editors_.back()->AttachTimer(timer);
    }
}

TInsDevices* EditorList::At(int position) const {
    if (position < 0 || position >= Count()) return nullptr;
    return editors_[static_cast<std::size_t>(position)].get();
}

}  // namespace vertanum
