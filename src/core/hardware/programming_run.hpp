#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/devices.hpp"
#include "framework/messages.hpp"
#include "framework/progress_display.hpp"
#include "hardware/programming_frame.hpp"
#include "resources/resource_store.hpp"

namespace vertanum::hardware {

// What the result codes tell the user.
inline constexpr const char* kWrongDeviceCodeMessage =
    "Не соответствует тип микросхемы.\rПрограммирование прервано.";
inline constexpr const char* kWriteErrorMessage = "Ошибка записи.\rПрограммирование прервано.";
inline constexpr const char* kNoAnswerMessage =
    "Не удается начать программирование.\rПрограммирование прервано.";
inline constexpr const char* kSuccessMessage = "Программирование завершено успешно";
inline constexpr const char* kPortNotOpenMessage = "Порт не открыт.";
inline constexpr const char* kCheckCableMessage = "Проверьте подключение кабеля программирования.";

inline constexpr const char* kEndSoundResource = "ENDPROGWAV";

// The cable's loop-back lines (pins 2 and 3 wired to 11 and 12 inside the cable plug).
inline constexpr std::int32_t kCablePresent = 0;
inline constexpr std::int32_t kCableSenseHigh = -1;  // a sense line high with the drives low
inline constexpr std::int32_t kCableSenseLow = -2;   // a sense line low with the drives high
inline constexpr std::int32_t kCableDriverNotOpen = -10;

// Checks the loop-back lines of the selected port, sleeping 500 ms after each drive; leaves
// pins 2 and 3 high when the cable is there.
std::int32_t CableCheck();

// How the main window draws attention: stop, caption, caption and taskbar button.
enum class FlashFlags : std::uint32_t { Stop = 0, Caption = 1, CaptionAndTaskbar = 3 };

// What a programming run needs of the window around it. The desktop program flashes its window
// (1000 flashes, 250 ms apart), plays a sound from memory without waiting for its end and shows
// the time in the third status-bar panel; a terminal does what fits it.
class ProgrammingFrontEnd {
  public:
    virtual ~ProgrammingFrontEnd() = default;
    virtual void FlashMainWindow(FlashFlags flags) = 0;
    // A whole RIFF WAVE file.
    virtual void PlayWave(std::span<const std::uint8_t> wave) = 0;
    // "nn:ss"
    virtual void ShowElapsedTime(std::string_view text) = 0;
};

// Plays the end-of-programming sound when the program carries it (the user's folder first, then
// the built-in resources); without it, nothing happens.
void PlayEndSound(ProgrammingFrontEnd& front_end, const resources::ResourceStore* store);

// Minutes and seconds, two digits each; whole hours are not shown (61 min 5 s is "01:05").
std::string FormatElapsed(std::uint64_t milliseconds);

// True when the port library is the simulated cable, where nothing real can be harmed.
bool PortIsSimulated();

// The question asked before a real device is written with a program image that is not the
// maker's firmware (the built-in stand-in); its default answer is not to write.
MessageBox StandInFirmwareQuestion(const TDevices& model);

// One programming of the open document's model on `port` (1-based): the cable check, the
// confirmation for a stand-in image on a real port, the model's ProgramDevice, and exactly one
// message about the outcome, the elapsed time and, after success, the sound. Returns 1 after
// success and -1 after a failure or a refusal; the model's images are not changed.
std::int32_t ProgrammingRun(TDevices& model, ProgressDisplay& progress, std::uint16_t port,
                            Messages& messages, ProgrammingFrontEnd& front_end);

}  // namespace vertanum::hardware
