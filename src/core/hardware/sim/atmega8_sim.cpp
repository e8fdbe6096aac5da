#include "hardware/sim/avr_chip.hpp"

namespace vertanum::hardware {

// ATmega8: 4K words of flash in 128 pages of 32 words, 512 bytes of EEPROM. Minimum waits of
// its serial programming: tWD_FLASH 4.5 ms, tWD_EEPROM 9.0 ms, tWD_ERASE 9.0 ms, tWD_FUSE
// 4.5 ms. The high fuse's SPIEN (bit 5) cannot be changed serially; EESAVE is bit 3. Six lock
// bits (BLB12..LB1).
const AvrModel& Atmega8Model() {
    static const AvrModel model{ChipType::ATmega8,
                                {0x1E, 0x93, 0x07},
                                8192,
                                512,
                                32,
                                9000.0,
                                4500.0,
                                9000.0,
                                4500.0,
                                false,
                                true,
                                0xE1,
                                0xD9,
                                0xFF,
                                0xDF,
                                0x3F,
                                0x01,
                                0x02,
                                3};
    return model;
}

}  // namespace vertanum::hardware
