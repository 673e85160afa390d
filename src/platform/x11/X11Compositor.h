#pragma once

namespace kestrel::x11 {

// Whether a compositing manager runs on the application's display (some client owns the
// _NET_WM_CM_Sn selection). Without one, transparent window pixels show black.
bool isCompositingManagerRunning();

} // namespace kestrel::x11
