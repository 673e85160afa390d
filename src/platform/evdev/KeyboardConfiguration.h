#pragma once

#include "platform/evdev/XkbKeyboard.h"

#include <string>

namespace kestrel::evdev {

// The system's keyboard layout as the console and the desktop's login screen use it:
// XKBMODEL, XKBLAYOUT, XKBVARIANT and XKBOPTIONS from a file in the form of Debian's
// /etc/default/keyboard. Empty fields where the file is missing or says nothing, so that
// xkbcommon's defaults (and its XKB_DEFAULT_* variables) apply.
XkbKeyboard::Names systemKeyboardNames(const std::string& path = "/etc/default/keyboard");

} // namespace kestrel::evdev
