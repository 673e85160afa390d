#pragma once

#include "platform/evdev/reader/ReaderProtocol.h"

#include <functional>
#include <string>

#include <unistd.h>

namespace kestrel::evdev::reader {

struct ForwarderSettings {
    std::string directory = "/dev/input";
    int input = STDIN_FILENO;
    int output = STDOUT_FILENO;
};

// Reads every keyboard and mouse in the directory (never grabbing one), follows them as they
// come and go, and writes what they do to `output` as records, until Kestrel lets go: its end
// of `output` closes, or `input` ends or carries anything at all. Frames are checked as
// Kestrel checks a device's (a device that goes releases what it held; after an overrun the
// device is asked what it holds), so Kestrel reads one clean stream. `confine` runs once the
// devices and the directory are open, before the first record is written; the first record
// says the reader is running.
ExitStatus forward(const ForwarderSettings& settings, const std::function<bool()>& confine);

} // namespace kestrel::evdev::reader
