#pragma once

namespace kestrel {

// Hands the memory the allocator holds free, between blocks still in use as well as at the
// top of the heap, back to the system. Worth its few hundred microseconds only after a burst
// of large blocks was let go, as when the keycap pictures of a whole style go.
void returnFreedMemory();

} // namespace kestrel
