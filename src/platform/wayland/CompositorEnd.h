#pragma once

namespace kestrel::wayland {

// On Wayland the compositor is the session: when it ends, Kestrel ends too, at once, with a
// line that says so and status 0, for nothing failed. Qt ends the program itself the moment
// its own connection breaks (with status 1 and a line of its own); this catches the line Qt
// says just before and ends Kestrel as its own connections would. A protocol error is a
// fault, and still ends it as Qt does. Call once, before the application object is made.
void endWithTheCompositor();

// Kestrel's own connection found the compositor gone.
[[noreturn]] void compositorEnded();

} // namespace kestrel::wayland
