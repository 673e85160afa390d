#pragma once

#include <string>

namespace kestrel {

// Starting Kestrel when the user logs in. The system's record is the only one: Kestrel keeps
// no preference of its own for it, and every reader asks here.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    virtual bool isEnabled() const = 0;
    // Empty on success, else why the change was not made, in words for a log line.
    virtual std::string setEnabled(bool enabled) = 0;
};

} // namespace kestrel
