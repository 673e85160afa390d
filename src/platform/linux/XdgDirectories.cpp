#include "platform/linux/XdgDirectories.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace kestrel {

namespace {

const char* homeDirectory()
{
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        if (const passwd* user = ::getpwuid(::getuid()))
            home = user->pw_dir;
    }
    return home;
}

} // namespace

fs::path XdgDirectories::resolve(const char* variable, const char* home, const char* fallbackInHome)
{
    if (variable && fs::path(variable).is_absolute())
        return variable;
    if (home && fs::path(home).is_absolute())
        return fs::path(home) / fallbackInHome;
    return {};
}

fs::path XdgDirectories::configHome()
{
    return resolve(std::getenv("XDG_CONFIG_HOME"), homeDirectory(), ".config");
}

fs::path XdgDirectories::stateHome()
{
    return resolve(std::getenv("XDG_STATE_HOME"), homeDirectory(), ".local/state");
}

fs::path XdgDirectories::cacheHome()
{
    return resolve(std::getenv("XDG_CACHE_HOME"), homeDirectory(), ".cache");
}

fs::path XdgDirectories::runtimeDir()
{
    return resolve(std::getenv("XDG_RUNTIME_DIR"), nullptr, "");
}

} // namespace kestrel
