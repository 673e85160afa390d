#include "platform/evdev/reader/ReaderProtocol.h"

#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::evdev::reader {

std::string whyOutputRefused(int fd)
{
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return "standard output is closed";
    if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode))
        return {};
    const char* what = S_ISREG(status.st_mode)                              ? "a file"
                       : ::isatty(fd) != 0                                  ? "a terminal"
                       : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode) ? "a device"
                                                                            : "not a pipe";
    return std::string("standard output is ") + what +
           "; keys are written only to a pipe or a socket (Kestrel's), never kept in a file or shown on a terminal";
}

Arguments parseArguments(std::span<const std::string_view> arguments)
{
    Arguments parsed;
    for (const std::string_view argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            parsed.showHelp = true;
        } else {
            parsed.error = "unknown argument \"" + std::string(argument) + "\"";
            return parsed;
        }
    }
    return parsed;
}

std::string helpText()
{
    return std::string("usage: ") + std::string(programName) +
           "\n"
           "Reads the keyboards and mice and writes what they type to standard output, for Kestrel,\n"
           "which starts it through pkexec. Standard output must be a pipe or a socket. It ends when\n"
           "Kestrel does, when its output closes, or on any input.\n";
}

void appendRecords(const DeviceEvent& event, std::vector<input_event>& out)
{
    input_event change{};
    switch (event.kind) {
    case DeviceEvent::Kind::key:
        change.type = EV_KEY;
        change.code = event.code;
        change.value = static_cast<std::int32_t>(event.action);
        break;
    case DeviceEvent::Kind::wheel:
        change.type = EV_REL;
        change.code = event.horizontal ? REL_HWHEEL : REL_WHEEL;
        change.value = event.steps;
        break;
    case DeviceEvent::Kind::capsLockLight:
        change.type = EV_LED;
        change.code = LED_CAPSL;
        change.value = 1;
        break;
    }
    out.push_back(change);
    out.push_back(readyRecord());
}

input_event readyRecord()
{
    input_event report{};
    report.type = EV_SYN;
    report.code = SYN_REPORT;
    return report;
}

} // namespace kestrel::evdev::reader
