#include "devices/dorimen/dorimen.hpp"
#include "devices/frastoven/frastoven.hpp"
#include "devices/krv/krv.hpp"
#include "devices/qirel/qirel.hpp"
#include "devices/qv710/qv710.hpp"
#include "devices/velkar/velkar.hpp"
#include "framework/device_registry.hpp"

namespace vertanum {
namespace {

template <typename Model>
std::unique_ptr<TDevices> Make(const DeviceContext& context) {
    return std::make_unique<Model>(context);
}

}  // namespace

const std::vector<RegisteredModel>& RegisteredModels() {
    // The order is significant: device picker, editor list and file-type detection follow it.
    static const std::vector<RegisteredModel> models = {
        {Make<TQV710P001>, 0},  {Make<TQV710P002>, 0},  {Make<TQV710P003>, 0},
        {Make<TQV710U001>, 0},  {Make<TQV710U002>, 0},  {Make<TQV710U003>, 0},
        {Make<TQV710U004>, 0},  {Make<TKRV>, 6},        {Make<TVelkar>, 4},
        {Make<TVelkarPT>, 4},   {Make<TVelkar8A>, 5},   {Make<TVelkar8B>, 5},
        {Make<TVelkar8C>, 5},   {Make<TVelkar9>, 5},    {Make<TVelkarIMP>, 4},
        {Make<TDorimen>, 3},    {Make<TDorimen34>, 3},  {Make<TDorimenTech>, 3},
        {Make<TFrastovenA>, 1}, {Make<TFrastovenN>, 1}, {Make<TFrastovenPT>, 1},
        {Make<TQirel>, 2},      {Make<TBUKVelkar>, 4},
    };
    return models;
}

}  // namespace vertanum
