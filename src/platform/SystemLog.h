#pragma once

#include <string_view>

namespace kestrel {

// The system log, for the rare failure a user or an administrator may want to look up.
class SystemLog {
public:
    virtual ~SystemLog() = default;
    // One error-level line under a category ("LaunchAtLogin").
    virtual void error(std::string_view category, std::string_view message) = 0;
};

} // namespace kestrel
