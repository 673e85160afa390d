#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <linux/input.h>

namespace kestrel::test {

// The events of a recording in evemu-record's text form ("E: 0.010000 0001 001e 0001"),
// in order; other lines (names, properties, comments) are skipped. Fails the test on a
// malformed event line.
std::vector<input_event> readEvemuRecording(const std::string& path);

// One record: an event of `type` and `code` with `value`, at time zero.
input_event record(std::uint16_t type, std::uint16_t code, std::int32_t value);

// The records as the kernel writes them to a reader.
std::vector<std::byte> asBytes(const std::vector<input_event>& events);

// A pipe whose read end is non-blocking, standing in for a device node.
class EventPipe {
public:
    EventPipe();
    ~EventPipe();
    EventPipe(const EventPipe&) = delete;
    EventPipe& operator=(const EventPipe&) = delete;

    int readEnd() const { return m_fds[0]; }
    void write(const std::byte* data, std::size_t size);
    void closeWriteEnd();

private:
    int m_fds[2] = {-1, -1};
};

} // namespace kestrel::test
