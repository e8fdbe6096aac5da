#include "display_text.hpp"
#include "families/families.hpp"

namespace factorygen {
namespace {

// A zone or direction name as the consoles leave the factory: one space, then zeros up to and
// including the terminator (a field of 11 characters and its 0x00). It reads as eleven spaces.
const std::vector<std::uint8_t> kBlankName = {0x20, 0x00, 0x00, 0x00, 0x00, 0x00,
                                              0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

// Фрастовен-А: the configuration block from 0x0054 to 0x088D, then the four programmable
// messages from 0x0942 to 0x0989. Everything else is firmware (stand-in fill here).
std::vector<Patch> FrastovenABlock() {
    return {
        // Relays off at power-up; console address 1; relay 1 on "Пожар" (bit 7), relay 2 on
        // "Тревога" (bit 5); relay delays 15 s and 10 s; buzzers on "Пожар"; 0x005B unedited.
        At(0x0054, {0x00, 0x01, 0x80, 0x20, 0x0F, 0x0A, 0x80, 0xFF}),
        // 124 loops: fire loops, neither arming nor disarming blocked.
        Repeat(0x005C, 124, 0x00),
        // 32 partitions of 8 places, then the 124 places of partition 90: all empty.
        Repeat(0x00D8, 256, 0x00),
        Repeat(0x01D8, 124, 0x00),
        // The four alarm words.
        DisplayTextAt(0x0254, "Пожар", 5),
        DisplayTextAt(0x025A, "Вним.", 5),
        DisplayTextAt(0x0260, "Трев.", 5),
        DisplayTextAt(0x0266, "Вмеш.", 5),
        // The names of the 124 loops.
        RepeatField(0x026C, 124, kBlankName),
        // Unedited byte before the subscriber table.
        At(0x083C, {0x02}),
        // Subscribers 1 to 62: no panels; subscriber 63 (RS232): "Система отчетов".
        Repeat(0x083D, 62, 0x00),
        At(0x087B, {0x06}),
        // The main-screen line: a full 16-character line, the console's name centred.
        DisplayTextAt(0x087C, "  Фрастовен-А   ", 16),
        // Unedited byte that closes the first key range.
        At(0x088D, {0x00}),
        // Programmable messages 1 to 4, each followed by an unedited spare byte, left at 0x00
        // as the spare byte after the main-screen line is.
        DisplayTextAt(0x0942, "Сообщение 1", 16),
        At(0x0953, {0x00}),
        DisplayTextAt(0x0954, "Сообщение 2", 16),
        At(0x0965, {0x00}),
        DisplayTextAt(0x0966, "Сообщение 3", 16),
        At(0x0977, {0x00}),
        DisplayTextAt(0x0978, "Сообщение 4", 16),
        At(0x0989, {0x00}),
    };
}

// Фрастовен-Н: the last 28 bytes of the firmware, 0x3F8A to 0x3FA5; the resource ends with them.
std::vector<Patch> FrastovenNBlock() {
    return {
        // Nine leading "Велкар" panels; console address 1.
        At(0x3F8A, {9, 1}),
        // Outputs K1 and K2 switched by all three event classes (bits 7, 6, 5).
        At(0x3F8C, {0xE0, 0xE0}),
        // Per output K1 (first three) and K2 (last three), event classes 1, 2, 3:
        At(0x3F8E, {20, 2, 4, 20, 2, 4}),      // on-time, s
        At(0x3F94, {0, 8, 16, 0, 8, 16}),      // pause, s (0: switch on once)
        At(0x3F9A, {6, 6, 6, 6, 6, 6}),        // switch-on delay, s
        At(0x3FA0, {0, 60, 60, 0, 120, 120}),  // duration of the mode, s (0: while it lasts)
    };
}

// Фрастовен-ПТ: its own block ends at 0x03A0. Its files carry the FrastovenA key ranges, but
// the bytes of those ranges past 0x03A0 are firmware and stay stand-in fill.
std::vector<Patch> FrastovenPTBlock() {
    return {
        // Relays off at power-up; console address 1; relay 1 on "Пожар", relay 2 on
        // "Нарушение связи", "Неисправность" and "Тамперы"; delays 1 s; no buzzer events;
        // 0x005B unedited.
        At(0x0054, {0x00, 0x01, 0x80, 0x1C, 0x01, 0x01, 0x00, 0xFF}),
        // The two alarm words.
        DisplayTextAt(0x005C, "Пожар", 5),
        DisplayTextAt(0x0062, "Вним.", 5),
        // The names of the 62 extinguishing directions.
        RepeatField(0x0068, 62, kBlankName),
        // Unedited byte before the subscriber table.
        At(0x0350, {0x02}),
        // Subscribers 1 to 62: no panels; subscriber 63 (RS232): "Система отчетов".
        Repeat(0x0351, 62, 0x00),
        At(0x038F, {0x06}),
        // The main-screen line: a full 16-character line, the console's name centred.
        DisplayTextAt(0x0390, "  Фрастовен-ПТ  ", 16),
    };
}

}  // namespace

// The EEPROM contents are not configured by the program and nothing fixes them: all three are
// left erased.
std::vector<ResourceSpec> FrastovenResources() {
    return {
        EepromImage("FRASTOVENAEEP", 512, 0xFF),
        ProgramImage("FRASTOVENAROM", 16378, Chip::ATmega161, FrastovenABlock()),
        EepromImage("FRASTOVENNEEP", 512, 0xFF),
        ProgramImage("FRASTOVENNROM", 16294, Chip::ATmega161, FrastovenNBlock()),
        EepromImage("FRASTOVENPTEEP", 512, 0xFF),
        ProgramImage("FRASTOVENPTROM", 12478, Chip::ATmega161, FrastovenPTBlock()),
    };
}

}  // namespace factorygen
