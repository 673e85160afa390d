#pragma once

#include <string>

namespace kestrel::evdev::reader {

// Confines the calling process, for good, to what reading the input devices in
// `deviceFolder` needs. A seccomp filter allows reading and closing descriptors, waiting on
// them, opening files for reading only, the input devices' own ioctls, memory, and writing to
// standard output alone; everything else (sockets, writing to any other descriptor or opening
// for writing, starting programs, signals to others, ptrace) fails with EPERM. Where the kernel
// has Landlock (Linux 5.13 and later, where enabled), files outside `deviceFolder` cannot be
// opened at all (EACCES). False, with the reason, when the kernel refuses either or the
// machine's architecture is not one Kestrel knows.
bool confineToReading(const std::string& deviceFolder, std::string& why);

// Whether this kernel keeps files outside the device folder closed (Landlock).
bool kernelConfinesFiles();

} // namespace kestrel::evdev::reader
