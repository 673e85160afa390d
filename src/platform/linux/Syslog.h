#pragma once

#include "platform/SystemLog.h"

namespace kestrel {

// The system log through syslog(3), as "kestrel"; the journal keeps it on systemd systems.
// The same line goes to standard error, where a user who started Kestrel from a terminal
// looks first.
class Syslog final : public SystemLog {
public:
    void error(std::string_view category, std::string_view message) override;
};

} // namespace kestrel
