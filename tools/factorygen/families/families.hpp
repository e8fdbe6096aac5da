#pragma once

#include <vector>

#include "factory_spec.hpp"

namespace factorygen {

// One table per family; each lists the family's resources.
std::vector<ResourceSpec> KrvResources();
std::vector<ResourceSpec> Qv710Resources();
std::vector<ResourceSpec> QirelResources();
std::vector<ResourceSpec> VelkarResources();
std::vector<ResourceSpec> DorimenResources();
std::vector<ResourceSpec> FrastovenResources();

}  // namespace factorygen
