#pragma once

#include "platform/evdev/EvdevReader.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <sys/types.h>

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

// Whether the device's Caps Lock light is lit (EVIOCGLED): the desktop lights it on every
// keyboard while Caps Lock is on. False when it cannot be asked.
bool capsLockLit(int fd);

// Asks the kernel to pass on only what Kestrel shows: keys, buttons and wheels. Pointer
// motion, touch positions, scan codes and LEDs are then never queued, so moving the mouse
// does not wake Kestrel. False where the kernel cannot (before Linux 4.4, or not a device).
bool passOnlyKeysButtonsAndWheels(int fd);

// A keyboard or mouse opened for reading (non-blocking, closed on exec), asked to pass on
// keys, buttons and wheels only. The caller owns `fd`.
struct OpenedDevice {
    int fd = -1;
    dev_t node = 0; // the device's number: the same device under another name is not a second
    DeviceKinds kinds;
};
// Opens `path` when it is a keyboard or mouse this user may read and `isOpen` does not already
// hold its device number; nothing otherwise (no device, another kind, no access, held).
std::optional<OpenedDevice> openKeyboardOrMouse(const std::string& path, const std::function<bool(dev_t)>& isOpen);

// Notices of nodes appearing in a device directory: a new node appears (created), then udev
// gives it its group and mode (attributes changed), and either may make it readable.
class DeviceDirectoryWatch {
public:
    explicit DeviceDirectoryWatch(const std::string& directory);
    ~DeviceDirectoryWatch();
    DeviceDirectoryWatch(const DeviceDirectoryWatch&) = delete;
    DeviceDirectoryWatch& operator=(const DeviceDirectoryWatch&) = delete;

    // The descriptor to wait on; negative when the directory cannot be watched.
    int descriptor() const { return m_fd; }
    // The event nodes named since the last call, as full paths; nothing when notices were
    // lost, so every node must be looked at again.
    std::optional<std::vector<std::string>> read();

private:
    std::string m_directory;
    int m_fd = -1;
};

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
