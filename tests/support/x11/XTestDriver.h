#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kestrel::test {

// Real input for the tests: key and button presses sent through the XTest extension, on a
// connection of its own. Each call returns once the server has processed the request.
class XTestDriver {
public:
    explicit XTestDriver(const std::string& display);
    ~XTestDriver();

    bool isConnected() const;

    void key(std::uint32_t evdevCode, bool down);
    void tap(std::uint32_t evdevCode); // press and release
    void button(std::uint8_t button, bool down);
    void moveTo(int x, int y);
    // Sets the pointer's button map: button n acts as map[n - 1].
    void setButtonMap(const std::vector<std::uint8_t>& map);
    void click(std::uint8_t button);

    // Takes the whole keyboard, as a password prompt does; false if that failed.
    bool grabKeyboard();
    void ungrabKeyboard();

private:
    void sync();
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::test
