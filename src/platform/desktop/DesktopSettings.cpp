#include "platform/desktop/DesktopSettings.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace kestrel::DesktopSettings {

bool reduceMotion()
{
    if (const char* forced = std::getenv("KESTREL_REDUCE_MOTION"))
        return std::string(forced) == "1";
    // Asked once at start-up; gsettings is absent on many desktops, and then motion stays.
    FILE* pipe = ::popen("gsettings get org.gnome.desktop.interface enable-animations 2>/dev/null", "r");
    if (!pipe)
        return false;
    char answer[16] = {};
    const bool read = std::fgets(answer, sizeof answer, pipe) != nullptr;
    ::pclose(pipe);
    return read && std::string(answer).rfind("false", 0) == 0;
}

} // namespace kestrel::DesktopSettings
