#include "families/families.hpp"

namespace factorygen {

std::vector<ResourceSpec> FrastovenResources() {
    return {
        EepromImage("FRASTOVENAEEP", 512, 0xFF),
        ProgramImage("FRASTOVENAROM", 16378, Chip::ATmega161),
        EepromImage("FRASTOVENNEEP", 512, 0xFF),
        ProgramImage("FRASTOVENNROM", 16294, Chip::ATmega161),
        EepromImage("FRASTOVENPTEEP", 512, 0xFF),
        ProgramImage("FRASTOVENPTROM", 12478, Chip::ATmega161),
    };
}

}  // namespace factorygen
