#include "families/families.hpp"

namespace factorygen {

std::vector<ResourceSpec> KrvResources() {
    return {
        // Access codes and user sets all zero, no console address (0xF4..0xFD zero), master
        // code 1234 (BCD, high byte first).
        EepromImage("KRVEEP", 256, 0x00, {At(0xFE, {0x12, 0x34})}),
        ProgramImage("KRVROM", 1778, Chip::AT90LS4433),
    };
}

}  // namespace factorygen
