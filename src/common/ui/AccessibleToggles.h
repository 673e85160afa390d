#pragma once

namespace kestrel {

// Makes the accessibility action of every checkable button (Kestrel's switches and colour
// swatches, check boxes) a click: a screen reader's Toggle then does what the pointer does,
// the preference included, where Qt's own would only flip the button's state. Call once,
// after the application is made.
void installAccessibleToggles();

} // namespace kestrel
