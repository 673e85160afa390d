#include "platform/linux/Syslog.h"

#include <syslog.h>

#include <cstdio>
#include <string>

namespace kestrel {

void Syslog::error(std::string_view category, std::string_view message)
{
    const std::string line = std::string(category) + ": " + std::string(message);
    ::openlog("kestrel", LOG_PID, LOG_USER);
    ::syslog(LOG_ERR, "%s", line.c_str());
    std::fprintf(stderr, "kestrel: %s\n", line.c_str());
}

} // namespace kestrel
