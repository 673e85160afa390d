#include "support/x11/XWindows.h"

#include "support/x11/XConnect.h"

#include "support/EventLoop.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace kestrel::test {

namespace {

template <typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
Owned<Reply> own(Reply* reply)
{
    return {reply, &std::free};
}

} // namespace

XWindows::XWindows(const std::string& display, const std::string& authority)
{
    m_connection = connectX(display, authority);
    if (isConnected())
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

XWindows::~XWindows()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool XWindows::isConnected() const
{
    return m_connection && xcb_connection_has_error(m_connection) == 0;
}

std::optional<QRect> XWindows::find(const std::string& title)
{
    return isConnected() ? findBelow(m_root, title) : std::nullopt;
}

bool XWindows::await(const std::string& title, bool present)
{
    using namespace std::chrono_literals;
    return runEventLoopUntil([&] { return find(title).has_value() == present; }, 10s, 50ms);
}

std::optional<QRect> XWindows::findBelow(xcb_window_t parent, const std::string& title)
{
    const auto tree = own(xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, parent), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int index = 0; index < xcb_query_tree_children_length(tree.get()); ++index) {
        const xcb_window_t window = children[index];
        const auto attributes = own(
            xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE)
            continue;
        const auto name = own(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
        if (name && xcb_get_property_value_length(name.get()) > 0 &&
            std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
                        static_cast<std::size_t>(xcb_get_property_value_length(name.get()))) == title) {
            const auto geometry =
                own(xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr));
            const auto origin = own(xcb_translate_coordinates_reply(
                m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr));
            if (geometry && origin)
                return QRect(origin->dst_x, origin->dst_y, geometry->width, geometry->height);
        }
        if (auto below = findBelow(window, title))
            return below;
    }
    return std::nullopt;
}

} // namespace kestrel::test
