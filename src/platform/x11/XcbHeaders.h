#pragma once

// The xcb headers Kestrel's X11 code uses. xkb.h names a field `explicit`, which is a
// keyword in C++, so it is renamed while the header is read.
#include <xcb/xcb.h>
#include <xcb/xinput.h>
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

#include <cstdlib>
#include <memory>

namespace kestrel::x11 {

// Replies and events from xcb are malloc'ed; this frees them.
struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbPointer = std::unique_ptr<T, FreeDeleter>;

} // namespace kestrel::x11
