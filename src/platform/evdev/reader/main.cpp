// kestrel-input-reader: reads the keyboards and mice for Kestrel on Wayland desktops, where
// only root (or the input group) may. Kestrel starts it through pkexec, so it runs as root
// only while Kestrel runs, and only once an administrator has allowed it.

#include "platform/evdev/reader/Confinement.h"
#include "platform/evdev/reader/InputForwarder.h"
#include "platform/evdev/reader/ReaderProtocol.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <sys/prctl.h>
#include <unistd.h>

namespace {

using kestrel::evdev::reader::ExitStatus;

int endWith(ExitStatus status, const std::string& why = {})
{
    if (!why.empty())
        std::fprintf(stderr, "%s: %s\n", kestrel::evdev::reader::programName.data(), why.c_str());
    return static_cast<int>(status);
}

} // namespace

int main(int argc, char** argv)
{
    namespace reader = kestrel::evdev::reader;
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    const reader::Arguments parsed = reader::parseArguments(arguments);
    if (!parsed.error.empty())
        return endWith(ExitStatus::usage, parsed.error);
    if (parsed.showHelp) {
        std::fputs(reader::helpText().c_str(), stdout);
        return 0;
    }
    if (const std::string why = reader::whyOutputRefused(STDOUT_FILENO); !why.empty())
        return endWith(ExitStatus::outputRefused, why);
    // Never outlive Kestrel: its end kills the reader, whatever it is doing.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    std::signal(SIGPIPE, SIG_IGN);
    // Nothing but the three standard descriptors is kept from whoever started it.
    ::close_range(3, ~0U, 0);
    std::string whyNotConfined;
    const reader::ForwarderSettings settings;
    const ExitStatus status =
        reader::forward(settings, [&] { return reader::confineToReading(settings.directory, whyNotConfined); });
    // Once confined it can say nothing more but through its status.
    switch (status) {
    case ExitStatus::noDeviceDirectory:
        return endWith(status, "cannot watch " + settings.directory);
    case ExitStatus::notConfined:
        return endWith(status, whyNotConfined);
    default:
        return static_cast<int>(status);
    }
}
