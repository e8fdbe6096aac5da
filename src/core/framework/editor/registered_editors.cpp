#include "devices/krv/krv_editor.hpp"
#include "devices/qirel/qirel_editor.hpp"
#include "devices/qv710/qv710_editors.hpp"
#include "framework/editor/editor_list.hpp"
#include "framework/editor/pending_map_editor.hpp"

namespace vertanum {
namespace {

template <typename Editor>
std::unique_ptr<TInsDevices> Make() {
    return std::make_unique<Editor>();
}

// The position of a model whose map is not written yet.
std::unique_ptr<TInsDevices> Pending(const char* name) {
    return std::make_unique<TInsPendingMapDevices>(name);
}

}  // namespace

const std::vector<EditorFactory>& RegisteredEditors() {
    // The same order as the device registry: the position of a model is that of its editor.
    static const std::vector<EditorFactory> editors = {
        Make<TInsQV710P001Devices>,             // 0
        Make<TInsQV710P002Devices>,             // 1
        Make<TInsQV710P003Devices>,             // 2
        Make<TInsQV710U001Devices>,             // 3
        Make<TInsQV710U002Devices>,             // 4
        Make<TInsQV710U003Devices>,             // 5
        Make<TInsQV710U004Devices>,             // 6
        Make<TInsKRVDevices>,                   // 7
        [] { return Pending("Velkar"); },       // 8  TInsVelkarDevices
        [] { return Pending("VelkarPT"); },     // 9  TInsVelkarPTDevices
        [] { return Pending("Velkar8A"); },     // 10 TInsVelkar8ADevices
        [] { return Pending("Velkar8B"); },     // 11 TInsVelkar8BDevices
        [] { return Pending("Velkar8C"); },     // 12 TInsVelkar8CDevices
        [] { return Pending("Velkar9"); },      // 13 TInsVelkar9Devices
        [] { return Pending("VelkarIMP"); },    // 14 TInsVelkarIMPDevices
        [] { return Pending("DORIMEN"); },      // 15 TInsDorimenDevices
        [] { return Pending("DORIMEN34"); },    // 16 TInsDorimen34Devices
        [] { return Pending("DORIMENTECH"); },  // 17 TInsDorimenTechDevices
        [] { return Pending("FRASTOVENA"); },   // 18 TInsFrastovenADevices
        [] { return Pending("FRASTOVENN"); },   // 19 TInsFrastovenNDevices
        [] { return Pending("FRASTOVENPT"); },  // 20 TInsFrastovenPTDevices
        Make<TInsQirelDevices>,                 // 21
        [] { return Pending("ZOZVelkar"); },    // 22 TInsZOZVelkarDevices
    };
    return editors;
}

}  // namespace vertanum
