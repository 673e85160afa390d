#pragma once

#include "platform/LoginItemService.h"
#include "platform/SystemLog.h"

namespace kestrel {

// Turns starting at login on or off. A refused change writes one line to the system log and
// is otherwise silent: callers read the state back and show that.
void setOpenAtLogin(LoginItemService& loginItem, SystemLog& log, bool enabled);

} // namespace kestrel
