#include "hardware/programming_run.hpp"

#include <cstdio>
#include <exception>

#include "hardware/delays.hpp"
#include "hardware/port_access.hpp"
#include "hardware/simulated_cable.hpp"

namespace vertanum::hardware {

namespace {

constexpr std::uint32_t kCableSettleMs = 500;

void DriveLoop(bool level) {
    SetPin(kPinLoopDrive1, level);
    SetPin(kPinLoopDrive2, level);
}

// The tick count wraps after 49 days; differences of it stay right across the wrap.
std::uint32_t NowMilliseconds() {
    return CurrentClock().MillisecondTickCount();
}

// One box with the window's attention drawn to it while it is open.
MessageAnswer ShowWithAttention(Messages& messages, ProgrammingFrontEnd& front_end,
                                const MessageBox& box, FlashFlags flags) {
    front_end.FlashMainWindow(flags);
    const MessageAnswer answer = messages.Show(box);
    front_end.FlashMainWindow(FlashFlags::Stop);
    return answer;
}

void ShowFailure(Messages& messages, ProgrammingFrontEnd& front_end, std::string text) {
    ShowWithAttention(messages, front_end,
                      {MessageIcon::Error, std::move(text), MessageButtons::Ok, MessageAnswer::Ok},
                      FlashFlags::Caption);
}

const char* FailureMessage(ProgrammingResult result) {
    switch (result) {
        case kWrongDeviceCode:
            return kWrongDeviceCodeMessage;
        case kWriteError:
            return kWriteErrorMessage;
        case kNoAnswer:
            return kNoAnswerMessage;
        default:
            return nullptr;
    }
}

}  // namespace

std::int32_t CableCheck() {
    if (!IsDriverOpened()) return kCableDriverNotOpen;
    DriveLoop(false);
    SleepMilliseconds(kCableSettleMs);
    DriveLoop(false);
    if (GetPin(kPinLoopSense1) || GetPin(kPinLoopSense2)) return kCableSenseHigh;
    DriveLoop(true);
    SleepMilliseconds(kCableSettleMs);
    DriveLoop(true);
    return GetPin(kPinLoopSense1) && GetPin(kPinLoopSense2) ? kCablePresent : kCableSenseLow;
}

void PlayEndSound(ProgrammingFrontEnd& front_end, const resources::ResourceStore* store) {
    const resources::ResourceLookup found =
        store ? store->Find(kEndSoundResource)
              : resources::ResourceLookup{resources::ResourceStore::FindEmbedded(kEndSoundResource),
                                          {}};
    if (!found.resource || found.resource->bytes.empty()) return;
    front_end.PlayWave(found.resource->bytes);
}

std::string FormatElapsed(std::uint64_t milliseconds) {
    const std::uint64_t seconds = milliseconds / 1000;
    char text[8];
    std::snprintf(text, sizeof text, "%02u:%02u", static_cast<unsigned>((seconds / 60) % 60),
                  static_cast<unsigned>(seconds % 60));
    return text;
}

bool PortIsSimulated() {
    return dynamic_cast<SimulatedCable*>(BoundPortBackend()) != nullptr;
}

MessageBox StandInFirmwareQuestion(const TDevices& model) {
    std::string text = "Заводская прошивка изготовителя для устройства «" + model.Caption +
                       "» не найдена.\rВместо нее в устройство будет записана встроенная "
                       "программа-заглушка, с которой устройство работать не будет.\r"
                       "Чтобы записать настоящую прошивку, положите файлы изготовителя в папку "
                       "прошивок";
    if (const auto* store = model.Context().resources; store && !store->UserFolder().empty()) {
        text += " (" + store->UserFolder() + ")";
    }
    text += ".\rЗаписать программу-заглушку в устройство?";
    return {MessageIcon::Warning, std::move(text), MessageButtons::YesNo, MessageAnswer::No};
}

std::int32_t ProgrammingRun(TDevices& model, ProgressDisplay& progress, std::uint16_t port,
                            Messages& messages, ProgrammingFrontEnd& front_end) {
    // The loop-back lines are looked at on the port the sequence is going to use.
    if (IsDriverOpened()) SetLPTNumber(static_cast<std::uint8_t>(port));
    std::int32_t cable = CableCheck();
    if (cable < 0) {
        cable = CableCheck();
        if (cable == kCableDriverNotOpen) {
            ShowFailure(messages, front_end, kPortNotOpenMessage);
            return -1;
        }
        if (cable == kCableSenseHigh || cable == kCableSenseLow) {
            ShowFailure(messages, front_end, kCheckCableMessage);
            return -1;
        }
    }

    if (model.FirmwareOrigin != resources::ResourceOrigin::UserFolder && !PortIsSimulated()) {
        const MessageAnswer answer = ShowWithAttention(
            messages, front_end, StandInFirmwareQuestion(model), FlashFlags::Caption);
        if (answer != MessageAnswer::Yes) return -1;
    }

    const std::uint32_t start = NowMilliseconds();
    std::uint32_t end = start;
    std::int32_t run_result = -1;
    ProgrammingResult result = kNoAnswer;
    bool failed_inside = false;
    std::string failure_text;
    try {
        result = model.ProgramDevice(progress, port);
    } catch (const std::exception& e) {
        failed_inside = true;
        failure_text =
            std::string("Сбой при программировании: ") + e.what() + "\rПрограммирование прервано.";
    }

    if (failed_inside) {
        ShowFailure(messages, front_end, failure_text);
    } else if (const char* text = FailureMessage(result)) {
        ShowFailure(messages, front_end, text);
    } else {
        front_end.FlashMainWindow(FlashFlags::CaptionAndTaskbar);
        end = NowMilliseconds();
        front_end.ShowElapsedTime(FormatElapsed(static_cast<std::uint32_t>(end - start)));
        PlayEndSound(front_end, model.Context().resources);
        ShowWithAttention(
            messages, front_end,
            {MessageIcon::Information, kSuccessMessage, MessageButtons::Ok, MessageAnswer::Ok},
            FlashFlags::CaptionAndTaskbar);
        run_result = 1;
    }
    front_end.ShowElapsedTime(FormatElapsed(static_cast<std::uint32_t>(end - start)));
    return run_result;
}

}  // namespace vertanum::hardware
