#pragma once

namespace kestrel::wayland {

// Kestrel draws everything with the processor. As a native Wayland client, Qt would still load
// the OpenGL drivers when its first window opens, only to learn what it could do with them:
// tens of MiB for nothing. Call before the application object is made; leaves a choice made
// in QT_WAYLAND_CLIENT_BUFFER_INTEGRATION alone, and keeps Qt from reporting the drivers it
// was told not to load.
void drawWithoutOpenGL();

} // namespace kestrel::wayland
