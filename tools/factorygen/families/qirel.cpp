#include "families/families.hpp"

namespace factorygen {

std::vector<ResourceSpec> QirelResources() {
    return {
        EepromImage("QIRELEEP", 2, 0xFF),
        ProgramImage("QIRELROM", 522, Chip::ATtiny26),
    };
}

}  // namespace factorygen
