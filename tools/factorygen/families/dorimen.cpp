// Factory images of the Dorimen family (ATmega8). The panels keep their parameters in the low
// bytes of program words 0x0018..0x004D; the high byte of every one of those words is 0x00 in
// the firmware, so each image carries the whole area, word by word, over its stand-in code and
// fill. The EEPROM images are 512 bytes of 0x00. Bytes of the area that a model's editor does
// not show hold 0x00 (nothing switched on), except where noted.
#include <stdexcept>
#include <string>

#include "families/families.hpp"

namespace factorygen {
namespace {

constexpr unsigned kFirstParameterWord = 0x18;
constexpr std::size_t kParameterWords = 0x4D - 0x18 + 1;

// The parameter area of one firmware: the low bytes of words 0x0018..0x004D, in word order.
Patch ParameterArea(const char* firmware, std::initializer_list<std::uint8_t> lows) {
    if (lows.size() != kParameterWords) {
        throw std::logic_error(std::string(firmware) + ": the parameter area needs " +
                               std::to_string(kParameterWords) + " words");
    }
    return WordLows(kFirstParameterWord, lows, 0x00);
}

}  // namespace

std::vector<ResourceSpec> DorimenResources() {
    return {
        EepromImage("DORIMENEEP", 512, 0x00),
        // The general-purpose panel: two security loops, output 1 drives the external siren,
        // output 2 the lock, outputs 3 and 4 are programmed on events.
        ProgramImage("DORIMENROM", 7874, Chip::ATmega8,
                     {ParameterArea("DORIMENROM",
                                    {
                                        0x0A,  // 0018 device address 10
                                        244,   // 0019 loop levels without Apollo detectors;
                                        53,    // 001A   the editor keeps these four to restore
                                        32,    // 001B   them when Apollo is switched off
                                        12,    // 001C
                                        30,    // 001D loop 2 entry delay 30 s
                                        60,    // 001E loop 2 arming delay 60 s
                                        30,    // 001F loop 1 entry delay 30 s
                                        60,    // 0020 loop 1 arming delay 60 s
                                        0x00,  // 0021 outputs 1..4 start switched off
                                        0,     // 0022 output 1 switch-on delay
                                        0,     // 0023 output 2 switch-on delay
                                        0,     // 0024 output 1 on until arming/disarming
                                        0,     // 0025 output 2 on until arming/disarming
                                        0,     // 0026 output 1 not pulsed
                                        0,     // 0027 output 2 not pulsed
                                        0x00,  // 0028 output 1 (siren): no fault/fire events
                                        0x00,  // 0029 output 1: no alarm/tamper events
                                        0x00,  // 002A output 1: no armed events
                                        0x00,  // 002B both loops "Охранный" (code 0)
                                        0x00,  // 002C output 2 (lock): no fault/fire events
                                        0x00,  // 002D output 2: no alarm/tamper events
                                        0x00,  // 002E output 2: no armed events
                                        0,     // 002F output 3 switch-on delay
                                        0,     // 0030 output 4 switch-on delay
                                        0,     // 0031 output 3 on until arming/disarming
                                        0,     // 0032 output 4 on until arming/disarming
                                        0,     // 0033 output 3 not pulsed
                                        0,     // 0034 output 4 not pulsed
                                        0x00,  // 0035 output 3: no armed events
                                        0x00,  // 0036 output 4: no armed events
                                        0x0C,  // 0037 output 3: fire on loops 1 and 2
                                        0x03,  // 0038 output 4: fault on loops 1 and 2
                                        0x03,  // 0039 output 3: alarm on loops 1 and 2
                                        0x80,  // 003A output 4: tamper
                                        0x03,  // 003B output 2 drives the lock, opened on fire
                                        0x01,  // 003C output 1 drives the external siren
                                        120,   // 003D siren sounds 120 s
                                        3,     // 003E siren sounds 3 times on repeated alarms
                                        0,     // 003F lock type: electromagnetic lock
                                        5,     // 0040 lock opens for 5 s
                                        0x03,  // 0041 fire detectors re-queried on both loops
                                        0x01,  // 0042 reader: Touch Memory
                                        12,    // 0043 loop 1 fire detectors ready after 12 s
                                        12,    // 0044 loop 2 fire detectors ready after 12 s
                                        3,     // 0045 fire detectors reset for 3 s
                                        0,     // 0046 (no parameter)
                                        0,     // 0047 (no parameter)
                                        0,     // 0048 (no parameter)
                                        0,     // 0049 (no parameter)
                                        0x00,  // 004A security mode: ordinary
                                        0x00,  // 004B gatekeeper function off
                                        0x05,  // 004C options: bit 0 output 1 on general
                                               //   notification; bit 2, the firmware's own
                                               //   second notification bit, also set
                                        0x00,  // 004D no tamper contacts on the loops
                                    })}),

        EepromImage("DORIMEN34EEP", 512, 0x00),
        // Mod. 3 and 4 (smoke removal): two active fire loops; outputs 1..3 switch on at a
        // fire, output 4 at a fault. Security, siren and lock bytes are not used.
        ProgramImage("DORIMEN34ROM", 4268, Chip::ATmega8,
                     {ParameterArea("DORIMEN34ROM",
                                    {
                                        0x01,  // 0018 device address 1
                                        244,   // 0019 loop levels, as on the general panel
                                        53,    // 001A
                                        32,    // 001B
                                        12,    // 001C
                                        0,     // 001D (security delays: not used)
                                        0,     // 001E
                                        0,     // 001F
                                        0,     // 0020
                                        0x00,  // 0021 outputs 1..4 start switched off
                                        0,     // 0022 output 1 switch-on delay
                                        0,     // 0023 output 2 switch-on delay
                                        0,     // 0024 output 1 on until reset
                                        0,     // 0025 output 2 on until reset
                                        0,     // 0026 output 1 not pulsed
                                        0,     // 0027 output 2 not pulsed
                                        0x0C,  // 0028 output 1: fire on loops 1 and 2
                                        0x00,  // 0029 (alarm events: not used)
                                        0x00,  // 002A (armed events: not used)
                                        0x03,  // 002B both loops "Пожарный активный" (code 1)
                                        0x0C,  // 002C output 2: fire on loops 1 and 2
                                        0x00,  // 002D (alarm events: not used)
                                        0x00,  // 002E (armed events: not used)
                                        0,     // 002F output 3 switch-on delay
                                        0,     // 0030 output 4 switch-on delay
                                        0,     // 0031 output 3 on until reset
                                        0,     // 0032 output 4 on until reset
                                        0,     // 0033 output 3 not pulsed
                                        0,     // 0034 output 4 not pulsed
                                        0x00,  // 0035 (armed events: not used)
                                        0x00,  // 0036 (armed events: not used)
                                        0x0C,  // 0037 output 3: fire on loops 1 and 2
                                        0x03,  // 0038 output 4: fault on loops 1 and 2
                                        0x00,  // 0039 (alarm events: not used)
                                        0x00,  // 003A (alarm events: not used)
                                        0x00,  // 003B (lock: not used)
                                        0x00,  // 003C (siren: not used)
                                        0,     // 003D (siren: not used)
                                        0,     // 003E (siren: not used)
                                        0,     // 003F (lock: not used)
                                        0,     // 0040 (lock: not used)
                                        0x03,  // 0041 fire detectors re-queried on both loops
                                        0x00,  // 0042 (reader: not used)
                                        12,    // 0043 loop 1 fire detectors ready after 12 s
                                        12,    // 0044 loop 2 fire detectors ready after 12 s
                                        3,     // 0045 fire detectors reset for 3 s
                                        0,     // 0046 (no parameter)
                                        0,     // 0047 (no parameter)
                                        0,     // 0048 (no parameter)
                                        0,     // 0049 (no parameter)
                                        0x00,  // 004A (security mode: not used)
                                        0x00,  // 004B (gatekeeper: not used)
                                        0x01,  // 004C options: outputs 3 and 4 on general
                                               //   notification (bit 0), outputs 1 and 2 not
                                               //   (bit 2)
                                        0x00,  // 004D (tamper contacts: not used)
                                    })}),

        EepromImage("DORIMENTECHEEP", 512, 0x00),
        // Mod. 5 (technological equipment): loop 1 a passive fire loop, loop 2 the
        // technological loop; output 1 is the control signal (on at a fire in loop 1), output 3
        // the fixed "automatics off" board, output 2 switches on at a fire, output 4 at a fault
        // or tamper.
        ProgramImage("DORIMENTECHROM", 7406, Chip::ATmega8,
                     {ParameterArea("DORIMENTECHROM",
                                    {
                                        0x01,  // 0018 device address 1
                                        244,   // 0019 loop levels, as on the general panel
                                        53,    // 001A
                                        32,    // 001B
                                        12,    // 001C
                                        0,     // 001D (security delays: not used)
                                        0,     // 001E
                                        0,     // 001F
                                        0,     // 0020
                                        0x00,  // 0021 outputs 1, 2 and 4 start switched off
                                        0,     // 0022 output 1 switch-on delay
                                        0,     // 0023 output 2 switch-on delay
                                        0,     // 0024 output 1 on until reset
                                        0,     // 0025 output 2 on until reset
                                        0,     // 0026 output 1 not pulsed
                                        0,     // 0027 output 2 not pulsed
                                        0x04,  // 0028 output 1: fire on loop 1
                                        0x00,  // 0029 (alarm events: not used)
                                        0x00,  // 002A (armed events: not used)
                                        0x0C,  // 002B loop 1 "Пожарный пассивный" (code 4)
                                        0x04,  // 002C output 2: fire on loop 1
                                        0x00,  // 002D output 2: no tamper
                                        0x00,  // 002E (armed events: not used)
                                        0,     // 002F (output 3: fixed)
                                        0,     // 0030 output 4 switch-on delay
                                        0,     // 0031 (output 3: fixed)
                                        0,     // 0032 output 4 on until reset
                                        0,     // 0033 (output 3: fixed)
                                        0,     // 0034 output 4 not pulsed
                                        0x00,  // 0035 (armed events: not used)
                                        0x00,  // 0036 (armed events: not used)
                                        0x00,  // 0037 (output 3: fixed)
                                        0x03,  // 0038 output 4: fault on loops 1 and 2
                                        0x00,  // 0039 (output 3: fixed)
                                        0x80,  // 003A output 4: tamper
                                        0x00,  // 003B (lock: not used)
                                        0x00,  // 003C (siren: not used)
                                        0,     // 003D (siren: not used)
                                        0,     // 003E (siren: not used)
                                        0,     // 003F (lock: not used)
                                        0,     // 0040 (lock: not used)
                                        0x01,  // 0041 fire detectors re-queried on loop 1
                                        0x00,  // 0042 (reader: not used)
                                        12,    // 0043 loop 1 fire detectors ready after 12 s
                                        0,     // 0044 (loop 2 is not a fire loop)
                                        3,     // 0045 fire detectors reset for 3 s
                                        0,     // 0046 (no parameter)
                                        0,     // 0047 (no parameter)
                                        0,     // 0048 (no parameter)
                                        0,     // 0049 (no parameter)
                                        0x00,  // 004A (security mode: not used)
                                        0x00,  // 004B (gatekeeper: not used)
                                        0x00,  // 004C (options: not used)
                                        0x00,  // 004D (tamper contacts: not used)
                                    })}),
    };
}

}  // namespace factorygen
