#pragma once

#include "platform/PlatformEvent.h"
#include "platform/evdev/EvdevDecoder.h"
#include "platform/evdev/EvdevDevices.h"
#include "platform/evdev/EvdevReader.h"
#include "platform/evdev/XkbKeyboard.h"

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace kestrel::evdev {

// Every keyboard and mouse of the machine this user may read, as one seat: the devices in a
// directory (/dev/input), followed as they come (a watch on the directory) and go (their end
// of file), plus streams of records that are not devices (a FIFO). It owns the descriptors;
// whoever drives it waits for them to be readable (a main loop, or poll) and calls `read`.
class EvdevSeat {
public:
    struct Options {
        std::string directory = "/dev/input";
        std::vector<std::string> streams;
        // Streams already open (the privileged reader's output): read through a copy of the
        // descriptor, which the seat closes; the stream ends at its end of file.
        std::vector<int> streamDescriptors;
        XkbKeyboard::Names layout; // unless `keymap` holds a keymap's text
        std::string keymap;
    };
    // Told when a descriptor is to be watched, and when no longer (before it is closed).
    struct Watcher {
        std::function<void(int fd)> added;
        std::function<void(int fd)> removed;
    };

    EvdevSeat(Options options, Watcher watcher);
    ~EvdevSeat();

    EvdevSeat(const EvdevSeat&) = delete;
    EvdevSeat& operator=(const EvdevSeat&) = delete;

    // Builds the keymap and opens every device; false (and nothing open) without a keyboard
    // this user may read.
    static std::unique_ptr<EvdevSeat> open(Options options, Watcher watcher);

    // Reads what the descriptor has (a device, a stream or the directory watch) and appends
    // the events it makes to `out`. A device that has gone is released and closed.
    void read(int fd, std::vector<PlatformEvent>& out);
    // Reads every device.
    void readAll(std::vector<PlatformEvent>& out);

    // Reads a stream already open from now on, through a copy of `fd`.
    void addStream(int fd);
    // Stops reading the streams added by descriptor: their copies close, and what they held is
    // released into `out`.
    void closeStreams(std::vector<PlatformEvent>& out);

    XkbKeyboard& keyboard() { return *m_keyboard; }
    // Reads keys with this keyboard from now on (the desktop's keymap changed).
    void useKeyboard(std::unique_ptr<XkbKeyboard> keyboard);
    std::size_t deviceCount() const { return m_devices.size(); }

private:
    struct Device;

    bool start();
    // Opens the node when it is a keyboard or mouse this user may read and not yet open;
    // true when it is a keyboard.
    bool add(const std::string& path);
    // Opens a stream of records by its path; true when it opened.
    bool addStream(const std::string& path);
    void addOpen(Device device);
    // Opens every node of the directory not yet open; true when one is a keyboard.
    bool addAll();
    void watchDirectory();
    void readDirectoryWatch();
    void readDevice(Device& device, std::vector<PlatformEvent>& out);
    void forget(Device& device);

    Options m_options;
    Watcher m_watcher;
    std::unique_ptr<XkbKeyboard> m_keyboard;
    std::unique_ptr<EvdevDecoder> m_decoder;
    std::list<Device> m_devices;
    std::unique_ptr<DeviceDirectoryWatch> m_watch;
};

} // namespace kestrel::evdev
