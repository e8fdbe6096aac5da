#include "families/families.hpp"

namespace factorygen {

std::vector<ResourceSpec> DorimenResources() {
    return {
        EepromImage("DORIMENEEP", 512, 0x00),
        ProgramImage("DORIMENROM", 7874, Chip::ATmega8),
        EepromImage("DORIMEN34EEP", 512, 0x00),
        ProgramImage("DORIMEN34ROM", 4268, Chip::ATmega8),
        EepromImage("DORIMENTECHEEP", 512, 0x00),
        ProgramImage("DORIMENTECHROM", 7406, Chip::ATmega8),
    };
}

}  // namespace factorygen
