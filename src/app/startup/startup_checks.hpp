#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/messages.hpp"
#include "startup/single_instance.hpp"

namespace vertanum::app {

inline constexpr const char* kWindowsVersionMessage =
    "Внимание!\rВертанум работает под ОС\rWindows 2000, XP.\rОбратитесь к вашему системному "
    "администратору.";
inline constexpr const char* kAdministratorMessage =
    "Внимание!\rВертанум работает только в системе\rс правами администратора.\r\rОбратитесь к "
    "вашему системному администратору.";
inline constexpr const char* kProcessorMessage =
    "Процессор не поддерживает набор инструкций,\rнеобходимый для нормального выполнения\r"
    "приложения. Требуемая конфигурация процессора\rPentium/AMD-K6 или выше.";

inline constexpr int kExitVersionRefused = 2;

// What the start-up checks ask of the system.
class StartupPlatform {
  public:
    virtual ~StartupPlatform() = default;
    // The Windows version class of GetWindowsVersionClass; a system that is not Windows reports
    // an accepted class.
    virtual int WindowsVersionClass() = 0;
    virtual bool IsAdministrator() = 0;
    // True when this copy is the only one; the lock stays with `lock`.
    virtual bool AcquireSingleInstance(SingleInstanceLock& lock) = 0;
    virtual bool HasTimeStampCounter() = 0;
};

// Linux: an accepted system, nothing to be administrator for (nothing is installed into the
// system; access to a port is the port layer's business), the lock file in the runtime folder,
// and the processor's feature flags on x86 (elsewhere the monotonic clock times every delay).
class LinuxStartupPlatform : public StartupPlatform {
  public:
    int WindowsVersionClass() override { return 6; }
    bool IsAdministrator() override { return true; }
    bool AcquireSingleInstance(SingleInstanceLock& lock) override { return lock.Acquire(); }
    bool HasTimeStampCounter() override;
};

// True when the processor identification reports a time-stamp counter (bit 4 of EDX, function
// 1); true on processors that are not x86.
bool ProcessorHasTimeStampCounter();

// True when any argument, lower-cased, is "admin".
bool HasAdminSwitch(const std::vector<std::string>& arguments);

enum class StartupVerdict {
    Run,             // open the main window
    Refused,         // a prerequisite is missing: the message was shown
    SecondInstance,  // another copy runs: end silently
};

struct StartupOutcome {
    StartupVerdict verdict = StartupVerdict::Run;
    int exit_code = 0;
    bool checked = true;  // false with the "admin" switch
};

// The checks in their order: the "admin" switch skips all of them; then the Windows version
// (exit code 2), administrator rights, one copy at a time (silent), the time-stamp counter.
// `lock` holds the single-instance lock for as long as the program runs.
StartupOutcome CheckStartup(const std::vector<std::string>& arguments, StartupPlatform& platform,
                            Messages& messages, SingleInstanceLock& lock);

}  // namespace vertanum::app
