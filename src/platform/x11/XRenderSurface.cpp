#include "platform/x11/XRenderSurface.h"

#include "common/ui/Translated.h"
#include "platform/x11/X11Display.h"

#include <xcb/shape.h>

#include <QAbstractEventDispatcher>
#include <QRectF>
#include <QSocketNotifier>

#include <algorithm>
#include <bit>
#include <cstring>
#include <utility>
#include <vector>

namespace kestrel::x11 {

namespace {

// The bytes of keycap pictures kept in the server: the rows on screen with room to spare,
// and no more however many keycaps and styles came before.
constexpr std::size_t pictureBudget = 8 << 20;

std::int16_t clampToShort(int value)
{
    return static_cast<std::int16_t>(std::clamp(value, -32768, 32767));
}

std::uint16_t clampToUnsignedShort(int value)
{
    return static_cast<std::uint16_t>(std::clamp(value, 0, 65535));
}

xcb_rectangle_t toXcb(const PixelRect& area)
{
    return {clampToShort(area.x), clampToShort(area.y), clampToUnsignedShort(area.width),
            clampToUnsignedShort(area.height)};
}

bool intersects(const xcb_rectangle_t& area, int x, int y, int width, int height)
{
    return x < area.x + area.width && area.x < x + width && y < area.y + area.height && area.y < y + height;
}

xcb_rectangle_t boundingBox(const std::vector<xcb_rectangle_t>& area)
{
    PixelRect bounds;
    for (const xcb_rectangle_t& part : area)
        bounds = united(bounds, {part.x, part.y, part.width, part.height});
    return toXcb(bounds);
}

// The ARGB format with 8 bits a channel, alpha in the top byte.
xcb_render_pictformat_t findArgb32(const xcb_render_query_pict_formats_reply_t* formats)
{
    for (auto it = xcb_render_query_pict_formats_formats_iterator(formats); it.rem; xcb_render_pictforminfo_next(&it)) {
        const xcb_render_pictforminfo_t& info = *it.data;
        const xcb_render_directformat_t& direct = info.direct;
        if (info.type == XCB_RENDER_PICT_TYPE_DIRECT && info.depth == 32 && direct.alpha_mask == 0xff &&
            direct.alpha_shift == 24 && direct.red_mask == 0xff && direct.red_shift == 16 &&
            direct.green_mask == 0xff && direct.green_shift == 8 && direct.blue_mask == 0xff && direct.blue_shift == 0)
            return info.id;
    }
    return 0;
}

// The format RENDER gives a visual.
xcb_render_pictformat_t formatOfVisual(const xcb_render_query_pict_formats_reply_t* formats, xcb_visualid_t visual)
{
    for (auto screens = xcb_render_query_pict_formats_screens_iterator(formats); screens.rem;
         xcb_render_pictscreen_next(&screens)) {
        for (auto depths = xcb_render_pictscreen_depths_iterator(screens.data); depths.rem;
             xcb_render_pictdepth_next(&depths)) {
            for (auto visuals = xcb_render_pictdepth_visuals_iterator(depths.data); visuals.rem;
                 xcb_render_pictvisual_next(&visuals)) {
                if (visuals.data->visual == visual)
                    return visuals.data->format;
            }
        }
    }
    return 0;
}

xcb_screen_t* screenOfRoot(xcb_connection_t* connection, xcb_window_t root)
{
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem; xcb_screen_next(&screens)) {
        if (screens.data->root == root)
            return screens.data;
    }
    return nullptr;
}

// A TrueColor visual 32 bits deep: its pixels carry alpha for a compositing manager.
std::optional<xcb_visualid_t> argbVisual(xcb_screen_t* screen)
{
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem; xcb_depth_next(&depths)) {
        if (depths.data->depth != 32)
            continue;
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem; xcb_visualtype_next(&visuals)) {
            if (visuals.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR)
                return visuals.data->visual_id;
        }
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<XRenderSurface> XRenderSurface::create(PictureSource pictures, std::function<bool()> isComposited,
                                                       UiMessage* error, const std::string& display)
{
    const auto connected = connectDisplay(display, error);
    if (!connected)
        return nullptr;
    std::unique_ptr<XRenderSurface> surface(
        new XRenderSurface(connected->connection, connected->root, std::move(pictures), std::move(isComposited)));
    if (!surface->setUp(error))
        return nullptr;
    return surface;
}

XRenderSurface::XRenderSurface(xcb_connection_t* connection, xcb_window_t root, PictureSource pictures,
                               std::function<bool()> isComposited)
    : m_connection(connection),
      m_root(root),
      m_source(std::move(pictures)),
      m_isComposited(std::move(isComposited)),
      m_pictures(pictureBudget,
                 [this](const KeycapFace&, Picture& gone) { xcb_render_free_picture(m_connection, gone.picture); })
{}

XRenderSurface::~XRenderSurface()
{
    m_events.reset();
    // Everything the connection made goes with it.
    xcb_disconnect(m_connection);
}

bool XRenderSurface::setUp(UiMessage* error)
{
    const auto fail = [error](const UiText& why) {
        if (error)
            *error = why;
        return false;
    };
    const XcbPointer<xcb_render_query_version_reply_t> render(
        xcb_render_query_version_reply(m_connection, xcb_render_query_version(m_connection, 0, 11), nullptr));
    if (!render || (render->major_version == 0 && render->minor_version < 10))
        return fail(KESTREL_TEXT("X11", "the X server lacks RENDER 0.10"));
    const XcbPointer<xcb_shape_query_version_reply_t> shape(
        xcb_shape_query_version_reply(m_connection, xcb_shape_query_version(m_connection), nullptr));
    if (!shape || (shape->major_version == 1 && shape->minor_version < 1))
        return fail(KESTREL_TEXT("X11", "the X server lacks SHAPE 1.1"));
    xcb_screen_t* screen = screenOfRoot(m_connection, m_root);
    const auto visual = screen ? argbVisual(screen) : std::nullopt;
    if (!visual)
        return fail(KESTREL_TEXT("X11", "the X server offers no 32-bit visual"));
    const XcbPointer<xcb_render_query_pict_formats_reply_t> formats(
        xcb_render_query_pict_formats_reply(m_connection, xcb_render_query_pict_formats(m_connection), nullptr));
    m_format = formats ? findArgb32(formats.get()) : 0;
    const xcb_render_pictformat_t windowFormat = formats ? formatOfVisual(formats.get(), *visual) : 0;
    if (!m_format || !windowFormat)
        return fail(KESTREL_TEXT("X11", "the X server has no ARGB picture format"));

    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const bool serverIsLittleEndian = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
    m_swapBytes = serverIsLittleEndian != (std::endian::native == std::endian::little);
    m_maximumRequestBytes = xcb_get_maximum_request_length(m_connection) * 4;

    const xcb_colormap_t colormap = xcb_generate_id(m_connection);
    xcb_create_colormap(m_connection, XCB_COLORMAP_ALLOC_NONE, colormap, m_root, *visual);
    m_window = xcb_generate_id(m_connection);
    // In the order of their mask bits: transparent background and border, not managed by the
    // window manager, told of exposures, with the visual's colormap.
    const std::uint32_t values[] = {0, 0, 1, XCB_EVENT_MASK_EXPOSURE, colormap};
    xcb_create_window(m_connection, 32, m_window, m_root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, *visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_BORDER_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK |
                          XCB_CW_COLORMAP,
                      values);
    xcb_free_colormap(m_connection, colormap);
    // No input shape: the pointer passes through to the window below.
    xcb_shape_rectangles(m_connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_CLIP_ORDERING_UNSORTED, m_window, 0, 0,
                         0, nullptr);

    static constexpr char name[] = "Kestrel";
    static constexpr char windowClass[] = "kestrel\0Kestrel"; // instance and class, each ended by a zero
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof name - 1, name);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, internAtom(m_connection, "_NET_WM_NAME"),
                        internAtom(m_connection, "UTF8_STRING"), 8, sizeof name - 1, name);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        sizeof windowClass, windowClass);
    const xcb_atom_t notification = internAtom(m_connection, "_NET_WM_WINDOW_TYPE_NOTIFICATION");
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, internAtom(m_connection, "_NET_WM_WINDOW_TYPE"),
                        XCB_ATOM_ATOM, 32, 1, &notification);

    m_windowPicture = xcb_generate_id(m_connection);
    xcb_render_create_picture(m_connection, m_windowPicture, m_window, windowFormat, 0, nullptr);
    makeBackBuffer();
    m_clear = xcb_generate_id(m_connection);
    xcb_render_create_solid_fill(m_connection, m_clear, {0, 0, 0, 0});
    xcb_flush(m_connection);
    if (isBroken())
        return fail(KESTREL_TEXT("X11", "the X server refused the overlay window"));

    m_events = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(m_connection), QSocketNotifier::Read);
    QObject::connect(m_events.get(), &QSocketNotifier::activated, [this] { readEvents(true); });
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, m_events.get(), [this] {
            if (m_flushPending)
                flushNow();
        });
    }
    return true;
}

void XRenderSurface::flushNow()
{
    m_flushPending = false;
    xcb_flush(m_connection);
}

bool XRenderSurface::isBroken() const
{
    return xcb_connection_has_error(m_connection) != 0;
}

void XRenderSurface::makeBackBuffer()
{
    // While a compositing manager runs, frames are composed here and copied onto the window
    // whole, so it never sees one half drawn. It then also answers exposures.
    if (m_backPicture) {
        xcb_render_free_picture(m_connection, m_backPicture);
        xcb_free_pixmap(m_connection, m_backPixmap);
    }
    const std::uint16_t width = clampToUnsignedShort(std::max(1, m_geometry.width));
    const std::uint16_t height = clampToUnsignedShort(std::max(1, m_geometry.height));
    m_backPixmap = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, 32, m_backPixmap, m_window, width, height);
    m_backPicture = xcb_generate_id(m_connection);
    xcb_render_create_picture(m_connection, m_backPicture, m_backPixmap, m_format, 0, nullptr);
    const xcb_rectangle_t all{0, 0, width, height};
    xcb_render_fill_rectangles(m_connection, XCB_RENDER_PICT_OP_SRC, m_backPicture, {0, 0, 0, 0}, 1, &all);
    m_backBufferIsCurrent = false;
    if (!m_uploadContext) {
        m_uploadContext = xcb_generate_id(m_connection);
        xcb_create_gc(m_connection, m_uploadContext, m_backPixmap, 0, nullptr);
    }
}

Size XRenderSurface::size() const
{
    return {m_geometry.width / m_pixelRatio, m_geometry.height / m_pixelRatio};
}

void XRenderSurface::setGeometry(const PixelRect& geometry, double pixelRatio)
{
    m_pixelRatio = pixelRatio > 0 ? pixelRatio : 1;
    if (geometry == m_geometry || geometry.isEmpty())
        return;
    const bool resized = geometry.width != m_geometry.width || geometry.height != m_geometry.height;
    m_geometry = geometry;
    const std::uint32_t values[] = {static_cast<std::uint32_t>(geometry.x), static_cast<std::uint32_t>(geometry.y),
                                    static_cast<std::uint32_t>(geometry.width),
                                    static_cast<std::uint32_t>(geometry.height)};
    xcb_configure_window(m_connection, m_window,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    if (resized)
        makeBackBuffer();
    m_flushPending = true; // with the frame drawn for the new size
}

void XRenderSurface::place(const SurfacePlace& place)
{
    // Qt's points to the root window's pixels.
    const double ratio = place.pixelRatio;
    const QPointF topLeft(place.geometry.x, place.geometry.y);
    const QSizeF size(place.geometry.width, place.geometry.height);
    const QRect pixels = QRectF(topLeft * ratio, size * ratio).toRect();
    setGeometry({pixels.x(), pixels.y(), pixels.width(), pixels.height()}, ratio);
}

void XRenderSurface::show()
{
    if (m_mapped) {
        // Nothing keeps a window on top by itself on X11: raised again when another has come
        // over it since. While it is on top, a keystroke costs the server nothing here.
        readEvents(false); // what the socket brought has been read when it came
        if (!m_covered)
            return;
        const std::uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(m_connection, m_window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        m_covered = false;
        flushNow();
        return;
    }
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_connection, m_window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_map_window(m_connection, m_window);
    // While it is on screen, the other windows' comings and goings say when it may be covered.
    const std::uint32_t watch = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &watch);
    m_mapped = true;
    m_covered = false;
    // Mapped together with the frame that follows, so the server never shows it empty.
    m_flushPending = true;
}

void XRenderSurface::hide()
{
    if (!m_mapped)
        return;
    xcb_unmap_window(m_connection, m_window);
    const std::uint32_t none = XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &none);
    m_mapped = false;
    // The fades' opacity masks go too: the next fades make theirs again, one request each.
    for (xcb_render_picture_t& mask : m_masks) {
        if (mask)
            xcb_render_free_picture(m_connection, std::exchange(mask, 0));
    }
    flushNow();
}

void XRenderSurface::setShape(const std::optional<std::vector<PixelRect>>& shape)
{
    if (!shape) {
        xcb_shape_mask(m_connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, m_window, 0, 0, XCB_NONE);
    } else {
        std::vector<xcb_rectangle_t> rectangles;
        rectangles.reserve(shape->size());
        for (const PixelRect& area : *shape)
            rectangles.push_back(toXcb(area));
        xcb_shape_rectangles(m_connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                             m_window, 0, 0, static_cast<std::uint32_t>(rectangles.size()), rectangles.data());
    }
    m_flushPending = true; // with the frame drawn in it
}

xcb_render_picture_t XRenderSurface::opacityMask(std::uint8_t opacity)
{
    if (opacity == 255)
        return XCB_NONE;
    xcb_render_picture_t& mask = m_masks[opacity];
    if (!mask) {
        mask = xcb_generate_id(m_connection);
        const auto alpha = static_cast<std::uint16_t>(opacity * 257);
        xcb_render_create_solid_fill(m_connection, mask, {0, 0, 0, alpha});
    }
    return mask;
}

const XRenderSurface::Picture* XRenderSurface::pictureFor(const OverlayLayer& layer, const OverlayFrame& frame)
{
    KeycapFace face = KeycapFace::of(*layer.keycap, layer.picture);
    if (const Picture* held = m_pictures.find(face))
        return held;
    const PicturePixels pixels = m_source(layer, frame);
    if (!pixels.data || pixels.width <= 0 || pixels.height <= 0 || pixels.stride < pixels.width * 4)
        return nullptr;

    // Uploaded once, row by row in as few requests as the server takes.
    const auto width = clampToUnsignedShort(pixels.width);
    const auto height = clampToUnsignedShort(pixels.height);
    const xcb_pixmap_t pixmap = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, 32, pixmap, m_window, width, height);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    const std::size_t rowsPerRequest = std::max<std::size_t>(1, (m_maximumRequestBytes - 64) / rowBytes);
    // Rows as the server takes them go as they are; others through a copy made for the
    // upload alone.
    const bool sentAsTheyAre = !m_swapBytes && static_cast<std::size_t>(pixels.stride) == rowBytes;
    std::vector<std::uint8_t> copied;
    for (int top = 0; top < height; top += static_cast<int>(rowsPerRequest)) {
        const int rows = std::min<int>(static_cast<int>(rowsPerRequest), height - top);
        const std::size_t bytes = rowBytes * static_cast<std::size_t>(rows);
        const std::uint8_t* sent = pixels.data + static_cast<std::size_t>(top) * rowBytes;
        if (!sentAsTheyAre) {
            copied.resize(bytes);
            for (int row = 0; row < rows; ++row) {
                const std::uint8_t* source = pixels.data + static_cast<std::size_t>(top + row) * pixels.stride;
                std::uint8_t* target = copied.data() + static_cast<std::size_t>(row) * rowBytes;
                std::memcpy(target, source, rowBytes);
                if (m_swapBytes) {
                    for (std::size_t word = 0; word < rowBytes; word += 4)
                        std::reverse(target + word, target + word + 4);
                }
            }
            sent = copied.data();
        }
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, m_uploadContext, width,
                      static_cast<std::uint16_t>(rows), 0, static_cast<std::int16_t>(top), 0, 32,
                      static_cast<std::uint32_t>(bytes), sent);
    }
    Picture made{xcb_generate_id(m_connection), width, height};
    xcb_render_create_picture(m_connection, made.picture, pixmap, m_format, 0, nullptr);
    xcb_free_pixmap(m_connection, pixmap); // the picture keeps it
    return &m_pictures.insert(std::move(face), made, rowBytes * height);
}

void XRenderSurface::present(const OverlayFrame& frame)
{
    if (isBroken() || frame.damage.empty())
        return;
    // A frame shows one style: once it changes, the pictures of the last go from the server.
    const PictureStyle style{frame.fontSize, frame.color, frame.pixelRatio};
    if (style != m_pictureStyle) {
        m_pictures.forEach(
            [this](const KeycapFace&, const Picture& gone) { xcb_render_free_picture(m_connection, gone.picture); });
        m_pictures.clear();
        m_pictureStyle = style;
    }
    std::vector<xcb_rectangle_t> damage;
    damage.reserve(frame.damage.size());
    for (const PixelRect& area : frame.damage)
        damage.push_back(toXcb(area));

    // A compositing manager may look at the window at any moment: it is shown frames composed
    // in the back buffer and copied whole. Without one, the server keeps a 32-bit window off
    // screen and puts it on the screen when it next waits for clients, after the frame's few
    // requests (sent together): the frame is composed straight in the window, at one copy
    // less. A compositing manager that starts while a row is on screen is noticed when the
    // next row starts, as the composer asks then.
    const bool buffered = m_buffered;
    if (buffered && !m_backBufferIsCurrent) // it missed the frames drawn straight in the window
        damage.assign(1, {0, 0, clampToUnsignedShort(m_geometry.width), clampToUnsignedShort(m_geometry.height)});
    m_backBufferIsCurrent = buffered;
    compose(frame, damage, buffered ? m_backPicture : m_windowPicture);
    if (buffered)
        copyToWindow(damage);
    m_lastFrame = frame;
    flushNow();
}

void XRenderSurface::compose(const OverlayFrame& frame, const std::vector<xcb_rectangle_t>& area,
                             xcb_render_picture_t target)
{
    // Cleared, then every layer that reaches the area.
    xcb_render_set_picture_clip_rectangles(m_connection, target, 0, 0, static_cast<std::uint32_t>(area.size()),
                                           area.data());
    const xcb_rectangle_t bounds = boundingBox(area);
    xcb_render_composite(m_connection, XCB_RENDER_PICT_OP_CLEAR, m_clear, XCB_NONE, target, 0, 0, 0, 0, bounds.x,
                         bounds.y, bounds.width, bounds.height);
    for (const OverlayLayer& layer : frame.layers) {
        const Picture* picture = pictureFor(layer, frame);
        if (!picture)
            continue;
        const bool reached = std::any_of(area.begin(), area.end(), [&](const xcb_rectangle_t& part) {
            return intersects(part, layer.x, layer.y, picture->width, picture->height);
        });
        if (!reached)
            continue;
        xcb_render_composite(m_connection, XCB_RENDER_PICT_OP_OVER, picture->picture, opacityMask(layer.opacity),
                             target, 0, 0, 0, 0, clampToShort(layer.x), clampToShort(layer.y),
                             clampToUnsignedShort(picture->width), clampToUnsignedShort(picture->height));
    }
}

void XRenderSurface::copyToWindow(const std::vector<xcb_rectangle_t>& area)
{
    if (area.empty())
        return;
    const xcb_rectangle_t bounds = boundingBox(area);
    xcb_render_set_picture_clip_rectangles(m_connection, m_windowPicture, 0, 0, static_cast<std::uint32_t>(area.size()),
                                           area.data());
    xcb_render_composite(m_connection, XCB_RENDER_PICT_OP_SRC, m_backPicture, XCB_NONE, m_windowPicture, bounds.x,
                         bounds.y, 0, 0, bounds.x, bounds.y, bounds.width, bounds.height);
}

void XRenderSurface::readEvents(bool readSocket)
{
    std::vector<xcb_rectangle_t> exposed;
    while (const XcbPointer<xcb_generic_event_t> event{nextEvent(m_connection, readSocket)}) {
        const auto type = event->response_type & 0x7f;
        // Another window mapped, moved or restacked may now lie over this one. (A window
        // 32 bits deep is drawn off screen by the server, so it is never told it is covered.)
        if (type == XCB_MAP_NOTIFY || type == XCB_CONFIGURE_NOTIFY || type == XCB_CIRCULATE_NOTIFY) {
            const auto* changed = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (changed->window != m_window)
                m_covered = true;
            continue;
        }
        if (type != XCB_EXPOSE)
            continue; // errors and anything else: the next frame draws anew anyway
        const auto* expose = reinterpret_cast<const xcb_expose_event_t*>(event.get());
        exposed.push_back({clampToShort(expose->x), clampToShort(expose->y), expose->width, expose->height});
    }
    if (isBroken()) {
        // The display has gone; Kestrel follows it and starts again when it is back.
        m_events->setEnabled(false);
        return;
    }
    if (exposed.empty())
        return;
    if (m_backBufferIsCurrent) {
        // The server clips a copy by its source's clip too, which the last frame left.
        xcb_render_set_picture_clip_rectangles(m_connection, m_backPicture, 0, 0,
                                               static_cast<std::uint32_t>(exposed.size()), exposed.data());
        copyToWindow(exposed);
    } else
        compose(m_lastFrame, exposed, m_windowPicture);
    flushNow();
}

} // namespace kestrel::x11
