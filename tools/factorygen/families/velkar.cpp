// Factory images of the Velkar family (AT89S53). Each image is one program resource: stand-in
// code and fill, with the parameter block 0x2E80..0x2F73 holding the values the panels leave the
// factory with. Where a model's editor does not use a byte of that block it holds 0x00, the
// family's "nothing set" value. A resource that ends inside the block carries only the bytes
// before its end; the rest of the image stays zero when a document loads it.
#include <algorithm>
#include <utility>

#include "families/families.hpp"

namespace factorygen {
namespace {

constexpr unsigned kBlockFirst = 0x2E80;
constexpr unsigned kBlockEnd = 0x2F74;  // one past the last byte of the parameter block

constexpr std::size_t kVelkarSize = 12283;    // whole block inside
constexpr std::size_t kVelkarPtSize = 12143;  // ends at 0x2F6E
constexpr std::size_t kMod8or9Size = 12147;   // ends at 0x2F72 (also VELKAR12)
constexpr std::size_t kVelImpSize = 12142;    // ends at 0x2F6D

// The bytes of the parameter block that lie inside a resource of `size`, all 0x00. It comes
// first in a table so that the stated values listed after it land over it.
Patch ClearedBlock(std::size_t size) {
    return Repeat(kBlockFirst, std::min<std::size_t>(kBlockEnd, size) - kBlockFirst, 0x00);
}

// The devices seen on channel 2, 0x2F01..0x2F1F: device n present holds n, absent holds 0.
// `present` lists inclusive ranges of device numbers.
Patch DevicesPresent(std::initializer_list<std::pair<unsigned, unsigned>> present) {
    std::vector<std::uint8_t> bytes(31, 0x00);
    for (const auto& [first, last] : present) {
        for (unsigned n = first; n <= last; ++n) bytes[n - 1] = static_cast<std::uint8_t>(n);
    }
    return At(0x2F01, std::move(bytes));
}

std::vector<Patch> Joined(std::initializer_list<std::vector<Patch>> groups) {
    std::vector<Patch> all;
    for (const auto& group : groups) all.insert(all.end(), group.begin(), group.end());
    return all;
}

// ---- The base panel's map (VELKAR, and VEL_IMP which derives from it) ----

// Network address 1, the siren, and the eight loops: all fire loops, loop 1's detector passive.
std::vector<Patch> BaseSirenAndLoops() {
    return {
        At(0x2F20, {0x01}),  // network address 1
        At(0x2F21, {0x01}),  // siren: reacts again after the re-intrusion time
        At(0x2F22, {0x04}),  // siren sounds 4 min
        At(0x2F23, {0x06}),  // siren 4 + re-intrusion 2 min (VEL_IMP reads it as 6 min)
        At(0x2F24, {0x00}),  // no siren chirp on arming
        At(0x2F25, {0x01}),  // buzzer allowed
        At(0x2F26, {0xFF}),  // loop purposes: all eight are fire loops
        At(0x2F27, {0xFE}),  // detector types: loop 1 passive, loops 2..8 active
    };
}

// The executive outputs К1..К4, 0x2F31..0x2F5D. `dorimen_loops` is the mask of the Dorimen
// panels' loops at which К1 and К2 switch on at a fire and К3 at a fault.
std::vector<Patch> BaseOutputs(std::uint8_t dorimen_loops) {
    return {
        At(0x2F31, {0x01}),                    // initial state: all four outputs passive
        At(0x2F32, {0x00}),                    // none switches again on a repeated event
        At(0x2F33, {0x00, 0xFF, 0x00, 0x00}),  // К1: fire in any own loop
        At(0x2F37, {0x00}),                    // К1: no other events
        At(0x2F38, {dorimen_loops}),           // К1: fire in the Dorimen loops
        At(0x2F39, {0x00}),                    // К1: no alarm in the Dorimen loops
        At(0x2F3A, {0xC0, 0x30, 0x0C, 0x03}),  // К1 "Внимание" groups: 7+8, 5+6, 3+4, 1+2
        At(0x2F3E, {0x00, 0xFF, 0x00, 0x00}),  // К2: fire in any own loop
        At(0x2F42, {0x00}),                    // К2: no alarm in the Dorimen loops
        At(0x2F43, {dorimen_loops}),           // К2: fire in the Dorimen loops
        At(0x2F44, {0x00}),                    // К2: not on arming
        At(0x2F45, {0x00, 0x00, 0x00, 0xFF}),  // К3: fault in any own loop
        At(0x2F49, {dorimen_loops}),           // К3: fault in the Dorimen loops
        At(0x2F4A, {0x00}),                    // К3: no alarm in the Dorimen loops
        At(0x2F4B, {0xDC}),                    // К3: other events 3, 4, 5, 7, 8
        At(0x2F4C, {0x00, 0xFF, 0x00, 0x00}),  // К4: fire in any own loop
        At(0x2F50, {0x00}),                    // К4: nothing from the Dorimen loops
        At(0x2F51, {0x00}),                    // К4: not on a "не норма" state
        At(0x2F52, {0x02, 0x06, 0x01, 0x05}),  // switch-on delays К1..К4 (s)
        At(0x2F56, {0x37, 0x00, 0x28, 0x2B}),  // on-durations 55 s, until reset, 40 s, 43 s
        At(0x2F5A, {0x00, 0x00, 0x00, 0x00}),  // no periodic pulsing
    };
}

// Arming and entry delays of loops 1..8 (s), in pairs at 0x2F5E + 2(n-1).
std::vector<Patch> BaseLoopDelays() {
    return {At(0x2F5E, {0x23, 0x23, 0x23, 0x23, 0x01, 0x1E, 0x01, 0x1E,  //
                        0x23, 0x23, 0x14, 0x1E, 0x01, 0x01, 0x05, 0x01})};
}

std::vector<Patch> VelkarBlock() {
    return Joined({
        {
            // Partitions 0..39: own-loop byte, then Dorimen-loop byte; 40..63 empty.
            At(0x2E80, {0x10, 0x00, 0xC0, 0x00, 0x80, 0x00, 0x08, 0x00,    // 0..3
                        0x10, 0x00, 0x20, 0x00, 0x40, 0x00, 0x80, 0x00,    // 4..7
                        0x00, 0x01, 0x00, 0x02, 0x00, 0x04, 0x00, 0x08,    // 8..11
                        0x00, 0x10, 0x00, 0x20, 0x00, 0x40, 0x00, 0x80,    // 12..15
                        0xC0, 0x00, 0x30, 0x00, 0x0C, 0x00, 0x03, 0x00,    // 16..19
                        0x00, 0xC0, 0x00, 0x30, 0x00, 0x0C, 0x00, 0x03,    // 20..23
                        0x00, 0xA0, 0x00, 0x0A, 0x00, 0xAA, 0xC0, 0xAA,    // 24..27
                        0xF0, 0xAA, 0xE0, 0xAA, 0xFF, 0xAA, 0xFF, 0xFF,    // 28..31
                        0x80, 0x00, 0x40, 0x00, 0x20, 0x00, 0x10, 0x00,    // 32..35
                        0x08, 0x00, 0xF0, 0x00, 0xFF, 0x00, 0x00, 0xFF}),  // 36..39
            Repeat(0x2ED0, 48, 0x00),                                      // 40..63
            Repeat(0x2F00, 32, 0x00),  // no devices on channel 2 (0x2F00 and 0x2F0C.. unused)
        },
        BaseSirenAndLoops(),
        {
            At(0x2F28, {0x04}),       // fire loops powered off for 4 s
            Repeat(0x2F29, 8, 0x0D),  // detectors ready after 13 s
        },
        BaseOutputs(0x00),
        BaseLoopDelays(),
        {
            At(0x2F6E, {0x00, 0x00, 0x00}),  // no reaction to disarming; no special mode of К4
            At(0x2F71, {0x01, 0x02}),        // autonomous, master of its segment (role code 2)
            At(0x2F73, {0x00}),              // unused
        },
    });
}

// VEL_IMP: the base panel with four Dorimen panels on channel 2, short loop times, and every
// Dorimen loop switching К1..К3. The resource ends at 0x2F6D, before the disarming and network
// bytes.
std::vector<Patch> VelImpBlock() {
    return Joined({
        {
            ClearedBlock(kVelImpSize),  // partitions not listed below and no Dorimen loops
            At(0x2E80, {0x80}),         // partition 0: loop 8
            At(0x2E82, {0x40}),         // partition 1: loop 7
            At(0x2E84, {0x20}),         // partition 2: loop 6
            At(0x2E86, {0x10}),         // partition 3: loop 5
            At(0x2E88, {0x30}),         // partition 4: loops 5, 6
            At(0x2E8A, {0xC0}),         // partition 5: loops 7, 8
            At(0x2E8C, {0xF0}),         // partition 6: loops 5..8
            At(0x2EC0, {0x40}),         // partition 32: loop 7
            At(0x2EC2, {0x40}),         // partition 33: loop 7
            At(0x2EC4, {0x20}),         // partition 34: loop 6
            At(0x2EC8, {0x10}),         // partition 36: loop 5
            At(0x2ECA, {0xF0}),         // partition 37: loops 5..8
            DevicesPresent({{8, 11}}),  // Dorimen panels 1..4
        },
        BaseSirenAndLoops(),
        {
            At(0x2F28, {0x05}),       // fire loops powered off for 5 s
            Repeat(0x2F29, 8, 0x05),  // detectors ready after 5 s
        },
        BaseOutputs(0xFF),
        BaseLoopDelays(),
    });
}

// ---- VELKARPT: mod. 7 with МЗАСП, three fire loops, two outputs ----

std::vector<Patch> VelkarPtBlock() {
    return {
        ClearedBlock(kVelkarPtSize),           // bytes the mod. 7 editor does not use
        At(0x2F20, {0x02}),                    // network address 2
        At(0x2F27, {0x07}),                    // loops 1..3: active detectors
        At(0x2F28, {0x05}),                    // fire loops powered off for 5 s
        At(0x2F29, {0x0C, 0x0C, 0x0C}),        // detectors ready after 12 s
        At(0x2F34, {0x11}),                    // a fire in loop 1 starts both outputs
        At(0x2F3A, {0x06, 0x00, 0x00, 0x00}),  // output 1 "Внимание" group 1: loops 2, 3
        At(0x2F3F, {0x00}),                    // output 2's copy of 0x2F34, rebuilt on load
        At(0x2F52, {0x1E, 0x00}),              // "Запуск ПТ" after 30 s; output 2 at once
        At(0x2F56, {0x02, 0x00}),              // "Запуск ПТ" for 2 s; output 2 until reset
        At(0x2F6E, {0x07}),                    // drives the automation and the light displays
        // Output 2's "Внимание" groups (0x2F74..0x2F77) lie past the resource: zero.
    };
}

// ---- Mods 8A, 8Б, 8C and 9: one map, the factory values differ per model ----

// Channel-2 devices, network address 1, every output passive at start, the output delays and
// durations, no pulsing; the rest of the block unused.
std::vector<Patch> Mod8or9Block(std::initializer_list<std::pair<unsigned, unsigned>> present,
                                std::initializer_list<std::uint8_t> delays,
                                std::initializer_list<std::uint8_t> durations) {
    return {
        ClearedBlock(kMod8or9Size),
        DevicesPresent(present),
        At(0x2F20, {0x01}),                    // network address 1
        At(0x2F31, {0x01}),                    // initial state: К1..К4 passive
        At(0x2F52, delays),                    // switch-on delays К1..К4 (s)
        At(0x2F56, durations),                 // on-durations К1..К4 (s, 0 = until reset)
        At(0x2F5A, {0x00, 0x00, 0x00, 0x00}),  // no periodic pulsing
    };
}

// ---- VELKAR12: the БУИК valve unit ----

std::vector<Patch> Velkar12Block() {
    return {
        ClearedBlock(kMod8or9Size),            // bytes the valve unit's editor does not use
        At(0x2E80, {0x05, 0x0A, 0x0F, 0x14}),  // valves 1..4 switch in 5, 10, 15, 20 s
        At(0x2F20, {0x01}),                    // network address 1
        At(0x2F31, {0x01}),                    // initial state: К1..К4 passive
        At(0x2F52, {0x01, 0x01, 0x01, 0x01}),  // switch-on delay 1 s each
        At(0x2F56, {0x00, 0x00, 0x00, 0x00}),  // on until reset
        At(0x2F5A, {0x00, 0x00, 0x00, 0x00}),  // no periodic pulsing
    };
}

}  // namespace

std::vector<ResourceSpec> VelkarResources() {
    return {
        ProgramImage("VELKAR", kVelkarSize, Chip::AT89S53, VelkarBlock()),
        ProgramImage("VELKARPT", kVelkarPtSize, Chip::AT89S53, VelkarPtBlock()),
        ProgramImage(
            "VELKAR8A", kMod8or9Size, Chip::AT89S53,
            Mod8or9Block({{1, 15}, {25, 27}}, {0x01, 0x01, 0x1E, 0x01}, {0x00, 0x00, 0x00, 0x00})),
        ProgramImage("VELKAR8B", kMod8or9Size, Chip::AT89S53,
                     Mod8or9Block({{1, 8}}, {0x01, 0x01, 0x01, 0x01}, {0x37, 0x00, 0x28, 0x2B})),
        ProgramImage("VELKAR8C", kMod8or9Size, Chip::AT89S53,
                     Mod8or9Block({{1, 29}}, {0x02, 0x06, 0x01, 0x05}, {0x37, 0x00, 0x28, 0x2B})),
        ProgramImage("VELKAR9", kMod8or9Size, Chip::AT89S53,
                     Mod8or9Block({{5, 16}}, {0x02, 0x06, 0x01, 0x05}, {0x37, 0x00, 0x28, 0x2B})),
        ProgramImage("VEL_IMP", kVelImpSize, Chip::AT89S53, VelImpBlock()),
        ProgramImage("VELKAR12", kMod8or9Size, Chip::AT89S53, Velkar12Block()),
    };
}

}  // namespace factorygen
