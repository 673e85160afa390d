#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace kestrel::test {

// Real input for the tests: key and button presses sent through the XTest extension, on a
// connection of its own. Each call returns once the server has processed the request.
class XTestDriver {
public:
    // `authority`: the file with the display's cookie, when it asks for one.
    explicit XTestDriver(const std::string& display, const std::string& authority = {});
    ~XTestDriver();

    bool isConnected() const;
    // Connects again, to a display that was restarted.
    void reconnect();

    void key(std::uint32_t evdevCode, bool down);
    void tap(std::uint32_t evdevCode); // press and release
    // Holds the modifiers in order, taps the key, lets go of the modifiers in reverse.
    void chord(std::initializer_list<std::uint32_t> modifiers, std::uint32_t evdevCode);
    void button(std::uint8_t button, bool down);
    void moveTo(int x, int y);
    // Sets the pointer's button map: button n acts as map[n - 1].
    void setButtonMap(const std::vector<std::uint8_t>& map);
    void click(std::uint8_t button);
    // The same without waiting, for long bursts that sync only now and then.
    void keyAsync(std::uint32_t evdevCode, bool down);
    void buttonAsync(std::uint8_t button, bool down);
    // Returns once the server has processed everything sent so far.
    void sync();

    // Takes the whole keyboard, as a password prompt does; false if that failed.
    bool grabKeyboard();
    void ungrabKeyboard();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::test
