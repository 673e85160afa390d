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
#include <string_view>

namespace kestrel::x11 {

// Replies and events from xcb are malloc'ed; this frees them.
struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T>
using XcbPointer = std::unique_ptr<T, FreeDeleter>;

// The atom of that name, made when the server has none yet; XCB_ATOM_NONE when the server
// does not answer. One round trip.
inline xcb_atom_t internAtom(xcb_connection_t* connection, std::string_view name)
{
    const XcbPointer<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace kestrel::x11
