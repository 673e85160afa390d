#pragma once

namespace kestrel::DesktopSettings {

// Whether the desktop asks applications to reduce motion: GNOME's "enable-animations"
// switched off, or KESTREL_REDUCE_MOTION=1. False where neither can be read.
bool reduceMotion();

} // namespace kestrel::DesktopSettings
