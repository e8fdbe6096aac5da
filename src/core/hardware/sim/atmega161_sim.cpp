#include "hardware/sim/avr_chip.hpp"

namespace vertanum::hardware {

// ATmega161: 8K words of flash in 128 pages of 64 words, 512 bytes of EEPROM. Serial write
// times as we take them from its datasheet: a page 16 ms, an EEPROM byte 3.4 ms, a chip erase
// 16 ms, fuses and locks 4 ms. One fuse byte (BOOTRST, SPIEN, SUT, CKSEL2..0), SPIEN (bit 5)
// fixed; six lock bits.
const AvrModel& Atmega161Model() {
    static const AvrModel model{ChipType::ATmega161,
                                {0x1E, 0x94, 0x01},
                                16384,
                                512,
                                64,
                                16000.0,
                                16000.0,
                                3400.0,
                                4000.0,
                                false,
                                false,
                                0xDA,
                                0xFF,
                                0xDF,
                                0x00,
                                0x3F,
                                0x01,
                                0x02,
                                -1};
    return model;
}

}  // namespace vertanum::hardware
