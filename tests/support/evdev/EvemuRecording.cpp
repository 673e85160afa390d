#include "support/evdev/EvemuRecording.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <unistd.h>

namespace kestrel::test {

std::vector<input_event> readEvemuRecording(const std::string& path)
{
    std::ifstream file(path);
    EXPECT_TRUE(file) << "cannot read " << path;
    std::vector<input_event> events;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.starts_with("E: "))
            continue;
        std::istringstream fields(line.substr(3));
        std::string time;
        unsigned type = 0;
        unsigned code = 0;
        int value = 0;
        fields >> time >> std::hex >> type >> code >> std::dec >> value;
        const auto dot = time.find('.');
        EXPECT_FALSE(fields.fail() || dot == std::string::npos) << "malformed event line: " << line;
        if (fields.fail() || dot == std::string::npos)
            continue;
        input_event event{};
        event.input_event_sec = std::stol(time.substr(0, dot));
        event.input_event_usec = std::stol(time.substr(dot + 1));
        event.type = static_cast<std::uint16_t>(type);
        event.code = static_cast<std::uint16_t>(code);
        event.value = value;
        events.push_back(event);
    }
    return events;
}

input_event record(std::uint16_t type, std::uint16_t code, std::int32_t value)
{
    input_event event{};
    event.type = type;
    event.code = code;
    event.value = value;
    return event;
}

std::vector<std::byte> asBytes(const std::vector<input_event>& events)
{
    std::vector<std::byte> bytes(events.size() * sizeof(input_event));
    if (!events.empty())
        std::memcpy(bytes.data(), events.data(), bytes.size());
    return bytes;
}

EventPipe::EventPipe()
{
    EXPECT_EQ(::pipe2(m_fds, O_CLOEXEC), 0);
    ::fcntl(m_fds[0], F_SETFL, O_NONBLOCK);
}

EventPipe::~EventPipe()
{
    for (int fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
    }
}

void EventPipe::write(const std::byte* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_fds[1], data, size);
        ASSERT_GT(written, 0) << std::strerror(errno);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void EventPipe::closeWriteEnd()
{
    ::close(m_fds[1]);
    m_fds[1] = -1;
}

} // namespace kestrel::test
