#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/messages.hpp"
#include "framework/progress_display.hpp"

namespace vertanum::hardware {

// The outcome of a programming sequence: a negative code below, or success (1, 2 or a count).
using ProgrammingResult = std::int32_t;
inline constexpr ProgrammingResult kWrongDeviceCode = -1;  // another chip answers
inline constexpr ProgrammingResult kWriteError = -2;       // a read-back differs
inline constexpr ProgrammingResult kNoAnswer = -3;         // no answer to Programming Enable

inline constexpr const char* kProgrammingStatus = "Программирование";
inline constexpr const char* kVerifyingStatus = "Проверка";
inline constexpr const char* kIdleStatus = "     ";

// The display at the start of a sequence: "Программирование", the sequence's step count as the
// maximum, position 0, percentage on.
void BeginProgrammingDisplay(ProgressDisplay& progress, int maximum);
// The verification phase: "Проверка", percentage on; the position goes on from where it stands.
void BeginVerifyingDisplay(ProgressDisplay& progress);
// The display when no sequence runs: five spaces, maximum 100, position 0, percentage off.
void EndProgrammingDisplay(ProgressDisplay& progress);

// Stops with a clear error when a model's image does not have the size its chip is written with,
// before anything is sent.
void RequireImageSize(const std::vector<std::uint8_t>& image, std::size_t size, const char* what);

// The frame every programming sequence runs in: create the chip driver, set up the display, open
// the port on the driver's link, run `sequence(chip)`, and whatever way it ends (a result or an
// exception) leave programming mode, release the driver and put the display back.
//
// A port that cannot be opened (the user has been told why) ends the run with kNoAnswer before
// a single line of the cable is driven.
template <typename Chip, typename Sequence>
ProgrammingResult ProgramInFrame(ProgressDisplay& progress, Messages& messages, std::uint16_t port,
                                 int maximum, Sequence&& sequence) {
    auto chip = std::make_unique<Chip>();
    BeginProgrammingDisplay(progress, maximum);
    const auto finish = [&] {
        // The display is put back even when leaving programming mode fails.
        try {
            chip->LeaveProgramming();
        } catch (...) {
            chip.reset();
            EndProgrammingDisplay(progress);
            throw;
        }
        chip.reset();
        EndProgrammingDisplay(progress);
    };
    ProgrammingResult result = kNoAnswer;
    try {
        if (chip->SPI.OpenPort(port, progress, messages) == 0) result = sequence(*chip);
    } catch (...) {
        try {
            finish();
        } catch (...) {
            // The first failure is the one to report.
        }
        throw;
    }
    finish();
    return result;
}

}  // namespace vertanum::hardware
