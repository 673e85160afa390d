#pragma once

#include <QString>

#include <cstdint>

namespace kestrel::test {

// Keys as the kernel's devices send them, written into a FIFO that Kestrel reads as its
// input (KESTREL_EVDEV_STREAM). Made at `path` by the constructor, opened by `open` once
// Kestrel has started (opening waits for the reader), removed with the object.
class EvdevFifo {
public:
    explicit EvdevFifo(QString path);
    ~EvdevFifo();

    EvdevFifo(const EvdevFifo&) = delete;
    EvdevFifo& operator=(const EvdevFifo&) = delete;

    const QString& path() const { return m_path; }
    bool isMade() const { return m_made; }
    bool open();
    void close();
    // One key event and its SYN_REPORT: `value` 1 pressed, 0 released. False when it could not be written.
    bool key(std::uint16_t code, int value);
    // Wheel steps and their SYN_REPORT: up positive.
    bool wheel(int steps);

private:
    QString m_path;
    bool m_made = false;
    int m_descriptor = -1;
};

} // namespace kestrel::test
