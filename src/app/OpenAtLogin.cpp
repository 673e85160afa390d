#include "app/OpenAtLogin.h"

#include <string>

namespace kestrel {

void setOpenAtLogin(LoginItemService& loginItem, SystemLog& log, bool enabled)
{
    if (const std::string failure = loginItem.setEnabled(enabled); !failure.empty())
        log.error("LaunchAtLogin", "Open at Login change failed: " + failure);
}

} // namespace kestrel
