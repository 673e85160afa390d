#pragma once

#include <string>

namespace kestrel::evdev::reader {

// Confines the calling process, for good, to what reading input devices needs, with a
// seccomp filter: reading and closing descriptors, waiting on them, opening files for
// reading only (new devices in /dev/input, the directory itself), the input devices' own
// ioctls, memory, and writing to standard output alone. Everything else (sockets, writing to
// any other descriptor or opening for writing, starting programs, signals to others, ptrace)
// fails with EPERM. False, with the reason, when the kernel refuses the filter or the
// machine's architecture is not one Kestrel knows.
bool confineToReading(std::string& why);

} // namespace kestrel::evdev::reader
