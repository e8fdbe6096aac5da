#include "startup/startup_checks.hpp"

#include <algorithm>
#include <cctype>

#include "startup/windows_version.hpp"

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

namespace vertanum::app {

bool ProcessorHasTimeStampCounter() {
#if defined(__x86_64__) || defined(__i386__)
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    return (edx & (1u << 4)) != 0;
#else
    return true;
#endif
}

bool LinuxStartupPlatform::HasTimeStampCounter() {
    return ProcessorHasTimeStampCounter();
}

bool HasAdminSwitch(const std::vector<std::string>& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](std::string argument) {
        std::transform(argument.begin(), argument.end(), argument.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return argument == "admin";
    });
}

StartupOutcome CheckStartup(const std::vector<std::string>& arguments, StartupPlatform& platform,
                            Messages& messages, SingleInstanceLock& lock) {
    if (HasAdminSwitch(arguments)) return {StartupVerdict::Run, 0, false};
    if (!WindowsVersionAccepted(platform.WindowsVersionClass())) {
        messages.Error(kWindowsVersionMessage);
        return {StartupVerdict::Refused, kExitVersionRefused, true};
    }
    if (!platform.IsAdministrator()) {
        messages.Error(kAdministratorMessage);
        return {StartupVerdict::Refused, 0, true};
    }
    if (!platform.AcquireSingleInstance(lock)) return {StartupVerdict::SecondInstance, 0, true};
    if (!platform.HasTimeStampCounter()) {
        messages.Error(kProcessorMessage);
        lock.Release();
        return {StartupVerdict::Refused, 0, true};
    }
    return {StartupVerdict::Run, 0, true};
}

}  // namespace vertanum::app
