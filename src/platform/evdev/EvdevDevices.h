#pragma once

#include "platform/evdev/EvdevReader.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrel::evdev {

// What an input device node offers Kestrel, from the capabilities it reports.
struct DeviceKinds {
    bool keyboard = false; // types text: has A, Z, Space and Enter
    bool pointer = false;  // has a left button or a wheel (mice, touchpads, trackballs)
};

// The kinds of the evdev device open on `fd`; nothing when `fd` is not an evdev device.
std::optional<DeviceKinds> deviceKinds(int fd);

// What the device holds now (EVIOCGKEY); nothing when it cannot be asked.
std::optional<KeyBits> heldKeys(int fd);

// Asks the kernel to pass on only what Kestrel shows: keys, buttons and wheels. Pointer
// motion, touch positions, scan codes and LEDs are then never queued, so moving the mouse
// does not wake Kestrel. False where the kernel cannot (before Linux 4.4, or not a device).
bool passOnlyKeysButtonsAndWheels(int fd);

// The event nodes in `directory` ("event0", "event1"…), as full paths, in order.
std::vector<std::string> eventNodes(const std::string& directory);

// Whether Kestrel may read the keyboards: the stand-in for the "Input Monitoring" permission.
enum class InputAccess {
    granted,   // at least one keyboard opens for reading
    denied,    // keyboards are there, but this user may not read them
    noDevices, // no keyboard at all (or no device directory)
};
InputAccess inputAccess(const std::string& directory);

} // namespace kestrel::evdev
