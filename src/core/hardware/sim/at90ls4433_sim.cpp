#include "hardware/sim/avr_chip.hpp"

namespace vertanum::hardware {

// AT90LS4433: 2K words of flash written byte by byte, 256 bytes of EEPROM. tWD_PROG (every
// flash, EEPROM, fuse and lock write) is 4 ms at 5 V; a chip erase takes 8 ms (two of them).
// Fuses BODLEVEL, BODEN and CKSEL2..0 are bits 4..0; SPIEN cannot be changed serially. Lock
// bits 1 and 2 travel in bits 1 and 2 of the instruction's second byte.
const AvrModel& At90ls4433Model() {
    static const AvrModel model{ChipType::AT90LS4433,
                                {0x1E, 0x92, 0x03},
                                4096,
                                256,
                                0,
                                8000.0,
                                4000.0,
                                4000.0,
                                4000.0,
                                true,
                                false,
                                0xDA,
                                0xFF,
                                0x1F,
                                0x00,
                                0x06,
                                0x02,
                                0x04,
                                -1};
    return model;
}

}  // namespace vertanum::hardware
