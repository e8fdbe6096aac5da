#include "hardware/sim/avr_chip.hpp"

namespace vertanum::hardware {

// ATtiny26: 1K words of flash in 64 pages of 16 words, 128 bytes of EEPROM. Minimum waits of
// its serial programming: tWD_FLASH 4.5 ms, tWD_EEPROM 9.0 ms, tWD_ERASE 9.0 ms, tWD_FUSE
// 4.5 ms. High fuse RSTDISBL, SPIEN, EESAVE, BODLEVEL, BODEN in bits 4..0 (SPIEN, bit 3,
// fixed); two lock bits.
const AvrModel& Attiny26Model() {
    static const AvrModel model{ChipType::ATtiny26,
                                {0x1E, 0x91, 0x09},
                                2048,
                                128,
                                16,
                                9000.0,
                                4500.0,
                                9000.0,
                                4500.0,
                                false,
                                true,
                                0xE1,
                                0xF7,
                                0xFF,
                                0x17,
                                0x03,
                                0x01,
                                0x02,
                                2};
    return model;
}

}  // namespace vertanum::hardware
