#pragma once

#include "platform/evdev/EvdevReader.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <linux/input.h>

// What passes between Kestrel and kestrel-input-reader, the small program that reads the
// keyboards and mice as root (authorised through polkit) and hands Kestrel what they type.
namespace kestrel::evdev::reader {

// The reader's installed name, under lib/kestrel/.
inline constexpr std::string_view programName = "kestrel-input-reader";

// How the reader ends: Kestrel tells its own ends (it closed the pipes) from the others.
enum class ExitStatus : int {
    kestrelGone = 0,       // its output or its input closed: Kestrel has quit or let it go
    failed = 1,            // writing or waiting failed
    usage = 2,             // an argument it does not take
    outputRefused = 3,     // its output is not a pipe or a socket
    unexpectedInput = 4,   // something wrote to its standard input
    notConfined = 5,       // the kernel would not confine it
    noDeviceDirectory = 6, // the device directory cannot be watched
};

// Why keys may not be written to `fd`; empty when it is a pipe or a socket. A file or a
// terminal would keep or show what is typed, so the reader never writes keys there.
std::string whyOutputRefused(int fd);

// The reader takes no arguments but --help; anything else is an error, in words.
struct Arguments {
    bool showHelp = false;
    std::string error;
};
Arguments parseArguments(std::span<const std::string_view> arguments);
std::string helpText();

// The records that carry what a device did to Kestrel: each key, button or wheel step as the
// kernel writes it (and a keyboard's Caps Lock light found lit as it was opened, as the
// kernel writes a light), then a report, so every change is a whole frame of its own. Kestrel reads
// them as it reads a device (KESTREL_EVDEV_STREAM carries the same records).
void appendRecords(const DeviceEvent& event, std::vector<input_event>& out);
// The first record the reader writes, once it is reading and confined: an empty frame.
input_event readyRecord();

// At most this many records go in one write, so each write reaches the pipe whole (PIPE_BUF)
// and a reader of the pipe never meets half a record.
inline constexpr std::size_t recordsPerWrite = 4096 / sizeof(input_event);

} // namespace kestrel::evdev::reader
