#include "platform/wayland/LayerShellWindow.h"

#include "common/ui/Translated.h"
#include "platform/keys/KeyCodeMap.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include <wayland-client.h>
#include <wayland-cursor.h>
#include <xkbcommon/xkbcommon.h>

#include <linux/input-event-codes.h>

#include <cmath>
#include <cstdlib>
#include <list>

namespace kestrel::wayland {

namespace {

// Two buffers take turns; a third is made only while the compositor holds both.
constexpr std::size_t maximumBuffers = 3;
constexpr int defaultCursorSize = 24;

struct XkbDeleter {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
    void operator()(xkb_state* state) const { xkb_state_unref(state); }
};

// Qt's key for a symbol that a shortcut can name: the printable ASCII ones, as Qt numbers
// them (by their upper case); 0 for others.
int qtKeyOf(xkb_keysym_t symbol)
{
    const xkb_keysym_t upper = xkb_keysym_to_upper(symbol);
    return upper >= 0x20 && upper <= 0x7e ? static_cast<int>(upper) : 0;
}

} // namespace

struct LayerShellWindow::Impl {
    Impl(QWidget& shown, std::unique_ptr<WaylandConnection> opened)
        : widget(shown), connection(std::move(opened)), display(connection->display())
    {}
    ~Impl()
    {
        destroy(layer, surface);
        buffers.clear();
        release(pointer);
        release(keyboard);
        if (cursorSurface)
            wl_surface_destroy(cursorSurface);
        if (cursorTheme)
            wl_cursor_theme_destroy(cursorTheme);
        globals.release();
    }

    void map();
    void unmap();
    void place();
    void draw();
    void scheduleDraw();

    // The pointer and the keyboard, as the seat has them.
    void seatCapabilities(std::uint32_t capabilities);
    void showCursor(std::uint32_t serial);
    void pointerAt(QPointF at);
    void hover(QWidget* target);
    void button(bool pressed);
    void key(xkb_keycode_t code);

    QWidget& widget;
    std::unique_ptr<WaylandConnection> connection;
    wl_display* display;
    Globals globals;

    SurfacePlacement placement;
    wl_surface* surface = nullptr;
    zwlr_layer_surface_v1* layer = nullptr;
    bool isConfigured = false;
    std::list<ShmBuffer> buffers;
    bool drawIsQueued = false;
    bool frameIsWaiting = false;

    wl_pointer* pointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    bool hasKeyboardFocus = false;
    wl_cursor_theme* cursorTheme = nullptr;
    int cursorScale = 0;
    wl_surface* cursorSurface = nullptr;
    QPointF pointerPosition;
    QPointer<QWidget> hovered;
    QPointer<QWidget> pressed;
    std::unique_ptr<xkb_context, XkbDeleter> xkb{xkb_context_new(XKB_CONTEXT_NO_FLAGS)};
    std::unique_ptr<xkb_keymap, XkbDeleter> keymap;
    std::unique_ptr<xkb_state, XkbDeleter> keys;

    static const zwlr_layer_surface_v1_listener layerListener;
    static const wl_seat_listener seatListener;
    static const wl_pointer_listener pointerListener;
    static const wl_keyboard_listener keyboardListener;
};

namespace {

using Impl = LayerShellWindow::Impl;

void configured(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial, std::uint32_t, std::uint32_t)
{
    auto* self = static_cast<Impl*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    self->isConfigured = true;
    self->draw();
}

void closed(void* data, zwlr_layer_surface_v1*)
{
    // The compositor took the surface away (its output went): the window is closed.
    static_cast<Impl*>(data)->widget.hide();
}

void capabilities(void* data, wl_seat*, std::uint32_t capabilities)
{
    static_cast<Impl*>(data)->seatCapabilities(capabilities);
}
void seatName(void*, wl_seat*, const char*) {}

QPointF pointOf(wl_fixed_t x, wl_fixed_t y)
{
    return {wl_fixed_to_double(x), wl_fixed_to_double(y)};
}

void pointerEnter(void* data, wl_pointer*, std::uint32_t serial, wl_surface* surface, wl_fixed_t x, wl_fixed_t y)
{
    auto* self = static_cast<Impl*>(data);
    if (surface != self->surface || !surface)
        return;
    self->showCursor(serial);
    self->pointerAt(pointOf(x, y));
}
void pointerLeave(void* data, wl_pointer*, std::uint32_t, wl_surface*)
{
    static_cast<Impl*>(data)->hover(nullptr);
}
void pointerMotion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y)
{
    static_cast<Impl*>(data)->pointerAt(pointOf(x, y));
}
void pointerButton(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button, std::uint32_t state)
{
    if (button == BTN_LEFT)
        static_cast<Impl*>(data)->button(state == WL_POINTER_BUTTON_STATE_PRESSED);
}
void pointerAxis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
void pointerFrame(void*, wl_pointer*) {}
void pointerAxisSource(void*, wl_pointer*, std::uint32_t) {}
void pointerAxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
void pointerAxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
void pointerAxisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

void keyboardKeymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size)
{
    auto* self = static_cast<Impl*>(data);
    const std::optional<std::string> text = readKeymap(format, fd, size);
    if (!text || !self->xkb)
        return;
    self->keymap.reset(xkb_keymap_new_from_string(self->xkb.get(), text->c_str(), XKB_KEYMAP_FORMAT_TEXT_V1,
                                                  XKB_KEYMAP_COMPILE_NO_FLAGS));
    self->keys.reset(self->keymap ? xkb_state_new(self->keymap.get()) : nullptr);
}
void keyboardEnter(void* data, wl_keyboard*, std::uint32_t, wl_surface* surface, wl_array*)
{
    auto* self = static_cast<Impl*>(data);
    self->hasKeyboardFocus = surface && surface == self->surface;
}
void keyboardLeave(void* data, wl_keyboard*, std::uint32_t, wl_surface*)
{
    auto* self = static_cast<Impl*>(data);
    // The keyboard went elsewhere (a click on another window, say): the window closes.
    if (std::exchange(self->hasKeyboardFocus, false))
        self->widget.hide();
}
void keyboardKey(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key, std::uint32_t state)
{
    if (state == WL_KEYBOARD_KEY_STATE_PRESSED)
        static_cast<Impl*>(data)->key(keys::xKeycode(key));
}
void keyboardModifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed, std::uint32_t latched,
                       std::uint32_t locked, std::uint32_t group)
{
    auto* self = static_cast<Impl*>(data);
    if (self->keys)
        xkb_state_update_mask(self->keys.get(), depressed, latched, locked, 0, 0, group);
}
void keyboardRepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

} // namespace

const zwlr_layer_surface_v1_listener LayerShellWindow::Impl::layerListener{&configured, &closed};
const wl_seat_listener LayerShellWindow::Impl::seatListener{&capabilities, &seatName};
const wl_pointer_listener LayerShellWindow::Impl::pointerListener{
    &pointerEnter, &pointerLeave,      &pointerMotion,   &pointerButton,       &pointerAxis,
    &pointerFrame, &pointerAxisSource, &pointerAxisStop, &pointerAxisDiscrete, &pointerAxisValue120};
const wl_keyboard_listener LayerShellWindow::Impl::keyboardListener{
    &keyboardKeymap, &keyboardEnter, &keyboardLeave, &keyboardKey, &keyboardModifiers, &keyboardRepeatInfo};

LayerShellWindow* LayerShellWindow::host(QWidget& widget, std::string* why)
{
    auto connection = WaylandConnection::open();
    if (!connection) {
        if (why)
            *why = translatedText(KESTREL_TEXT("Wayland", "no Wayland compositor answers"));
        return nullptr;
    }
    auto impl = std::make_unique<Impl>(widget, std::move(connection));
    Impl* self = impl.get();
    impl->globals.onSeat = [self](wl_seat* seat) { wl_seat_add_listener(seat, &Impl::seatListener, self); };
    if (!impl->globals.bind(impl->display)) {
        if (why)
            *why = noAnswer;
        return nullptr;
    }
    if (!impl->globals.compositor || !impl->globals.shm || !impl->globals.layerShell) {
        if (why)
            *why = translatedText(
                KESTREL_TEXT("Wayland", "the Wayland compositor offers no layer surfaces (zwlr_layer_shell_v1)"));
        return nullptr;
    }
    impl->connection->attachToMainLoop();
    // Qt never puts the widget on screen, and treats it as a plain window, not a popup that
    // would take Qt's own input while open.
    const bool wasVisible = widget.isVisible();
    widget.hide();
    widget.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    widget.setAttribute(Qt::WA_DontShowOnScreen);
    auto* window = new LayerShellWindow(std::move(impl));
    window->setParent(&widget);
    widget.installEventFilter(window);
    if (wasVisible)
        widget.show();
    return window;
}

LayerShellWindow::LayerShellWindow(std::unique_ptr<Impl> impl) : d(std::move(impl)) {}

// Gone with the widget, as its child: its other children are gone by then.
LayerShellWindow::~LayerShellWindow() = default;

bool LayerShellWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &d->widget)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        d->map();
        break;
    case QEvent::Hide:
        d->unmap();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (d->surface) {
            d->place();
            d->scheduleDraw();
        }
        break;
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
        d->scheduleDraw();
        break;
    default:
        break;
    }
    return false;
}

void LayerShellWindow::Impl::map()
{
    if (connection->isBroken() || surface)
        return;
    surface = wl_compositor_create_surface(globals.compositor);
    place(); // learns the output
    const Output* output = globals.output(placement.outputName);
    layer = zwlr_layer_shell_v1_get_layer_surface(globals.layerShell, surface, output ? output->output : nullptr,
                                                  ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "kestrel-panel");
    zwlr_layer_surface_v1_add_listener(layer, &layerListener, this);
    const bool onDemand = zwlr_layer_surface_v1_get_version(layer) >=
                          ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_ON_DEMAND_SINCE_VERSION;
    // Older compositors know only a surface that holds the keyboard while it is there.
    zwlr_layer_surface_v1_set_keyboard_interactivity(layer,
                                                     onDemand ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_ON_DEMAND
                                                              : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
    // Placed by the output's own corners, whatever panels reserve.
    zwlr_layer_surface_v1_set_exclusive_zone(layer, -1);
    isConfigured = false;
    place();
    // The first commit carries no buffer; the compositor answers with a configure.
    wl_surface_commit(surface);
    connection->flush();
}

void LayerShellWindow::Impl::place()
{
    // The widget's place in Qt's coordinates, on the output that holds its middle.
    const QRect geometry = widget.geometry();
    const QScreen* screen = QGuiApplication::screenAt(geometry.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect output = screen ? screen->geometry() : QRect(QPoint(), geometry.size());
    placement.outputName = screen ? screen->name().toStdString() : std::string();
    const Output* known = globals.output(placement.outputName);
    placement.scale = known ? known->scale : std::max(1, static_cast<int>(std::ceil(widget.devicePixelRatioF())));
    placement.x = geometry.x() - output.x();
    placement.y = geometry.y() - output.y();
    placement.width = std::max(1, geometry.width());
    placement.height = std::max(1, geometry.height());
    placement.outputWidth = output.width();
    placement.outputHeight = output.height();
    if (layer)
        wayland::place(layer, surface, placement);
}

void LayerShellWindow::Impl::unmap()
{
    hover(nullptr);
    pressed = nullptr;
    hasKeyboardFocus = false;
    destroy(layer, surface);
    isConfigured = false;
    frameIsWaiting = false;
    connection->flush();
}

void LayerShellWindow::Impl::scheduleDraw()
{
    // Many changes in one turn of the loop make one frame.
    if (std::exchange(drawIsQueued, true))
        return;
    QMetaObject::invokeMethod(
        &widget,
        [this] {
            drawIsQueued = false;
            draw();
        },
        Qt::QueuedConnection);
}

void LayerShellWindow::Impl::draw()
{
    frameIsWaiting = true;
    if (connection->isBroken() || !surface || !isConfigured)
        return;
    const int pixelWidth = placement.width * placement.scale;
    const int pixelHeight = placement.height * placement.scale;
    // A frame that finds no free buffer is drawn when the compositor lets go of one.
    const auto drawWaitingFrame = [this] {
        if (frameIsWaiting)
            draw();
    };
    ShmBuffer* buffer = freeBuffer(buffers, globals.shm, pixelWidth, pixelHeight, maximumBuffers, drawWaitingFrame);
    if (!buffer)
        return;
    frameIsWaiting = false;

    // The window is small and changes seldom (a row lit under the pointer): drawn whole.
    QImage image = buffer->image();
    image.setDevicePixelRatio(placement.scale);
    image.fill(Qt::transparent);
    widget.render(&image);
    buffer->stale = QRegion();

    wl_surface_attach(surface, buffer->buffer, 0, 0);
    if (wl_surface_get_version(surface) >= WL_SURFACE_DAMAGE_BUFFER_SINCE_VERSION)
        wl_surface_damage_buffer(surface, 0, 0, pixelWidth, pixelHeight);
    else
        wl_surface_damage(surface, 0, 0, placement.width, placement.height);
    wl_surface_commit(surface);
    buffer->busy = true;
    connection->flush();
}

void LayerShellWindow::Impl::seatCapabilities(std::uint32_t capabilities)
{
    const bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasPointer && !pointer) {
        pointer = wl_seat_get_pointer(globals.seat);
        wl_pointer_add_listener(pointer, &pointerListener, this);
    } else if (!hasPointer) {
        release(pointer);
    }
    if (hasKeyboard && !keyboard) {
        keyboard = wl_seat_get_keyboard(globals.seat);
        wl_keyboard_add_listener(keyboard, &keyboardListener, this);
    } else if (!hasKeyboard) {
        release(keyboard);
    }
}

void LayerShellWindow::Impl::showCursor(std::uint32_t serial)
{
    // The arrow of the user's cursor theme, at the output's scale; loaded the first time the
    // pointer comes over the window.
    if (!cursorTheme || cursorScale != placement.scale) {
        if (cursorTheme)
            wl_cursor_theme_destroy(cursorTheme);
        const char* size = std::getenv("XCURSOR_SIZE");
        const int logical = size && std::atoi(size) > 0 ? std::atoi(size) : defaultCursorSize;
        cursorScale = placement.scale;
        cursorTheme = wl_cursor_theme_load(std::getenv("XCURSOR_THEME"), logical * cursorScale, globals.shm);
    }
    wl_cursor* arrow = nullptr;
    for (const char* name : {"default", "left_ptr"}) {
        if (!arrow && cursorTheme)
            arrow = wl_cursor_theme_get_cursor(cursorTheme, name);
    }
    if (!arrow || arrow->image_count == 0)
        return;
    wl_cursor_image* image = arrow->images[0];
    if (!cursorSurface)
        cursorSurface = wl_compositor_create_surface(globals.compositor);
    wl_surface_set_buffer_scale(cursorSurface, cursorScale);
    wl_surface_attach(cursorSurface, wl_cursor_image_get_buffer(image), 0, 0);
    wl_surface_damage(cursorSurface, 0, 0, static_cast<std::int32_t>(image->width),
                      static_cast<std::int32_t>(image->height));
    wl_surface_commit(cursorSurface);
    wl_pointer_set_cursor(pointer, serial, cursorSurface, static_cast<std::int32_t>(image->hotspot_x) / cursorScale,
                          static_cast<std::int32_t>(image->hotspot_y) / cursorScale);
}

void LayerShellWindow::Impl::pointerAt(QPointF at)
{
    pointerPosition = at;
    QWidget* target = widget.childAt(at.toPoint());
    hover(target ? target : &widget);
    // Held down, the pointer belongs to the widget it was pressed on (a button lets go
    // unclicked when it is dragged off).
    QWidget* receiver = pressed ? pressed.data() : hovered.data();
    if (receiver) {
        const QPointF local = receiver->mapFrom(&widget, at);
        QMouseEvent move(QEvent::MouseMove, local, local, widget.mapToGlobal(at), Qt::NoButton,
                         pressed ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(receiver, &move);
    }
}

void LayerShellWindow::Impl::hover(QWidget* target)
{
    if (target == hovered)
        return;
    if (hovered) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(hovered, &leave);
    }
    hovered = target;
    if (target) {
        const QPointF local = target->mapFrom(&widget, pointerPosition);
        QEnterEvent enter(local, local, widget.mapToGlobal(pointerPosition));
        QCoreApplication::sendEvent(target, &enter);
    }
    scheduleDraw();
}

void LayerShellWindow::Impl::button(bool down)
{
    QPointer<QWidget> receiver = down ? hovered : pressed;
    pressed = down ? hovered : nullptr;
    if (!receiver)
        return;
    const QPointF local = receiver->mapFrom(&widget, pointerPosition);
    QMouseEvent event(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, local, local,
                      widget.mapToGlobal(pointerPosition), Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &event);
    scheduleDraw();
}

void LayerShellWindow::Impl::key(xkb_keycode_t code)
{
    if (!keys)
        return;
    const xkb_keysym_t symbol = xkb_state_key_get_one_sym(keys.get(), code);
    if (symbol == XKB_KEY_Escape) {
        widget.hide();
        return;
    }
    const int qtKey = qtKeyOf(symbol);
    if (qtKey == 0)
        return;
    Qt::KeyboardModifiers modifiers;
    const auto active = [&](const char* name) {
        return xkb_state_mod_name_is_active(keys.get(), name, XKB_STATE_MODS_EFFECTIVE) > 0;
    };
    modifiers.setFlag(Qt::ControlModifier, active(XKB_MOD_NAME_CTRL));
    modifiers.setFlag(Qt::AltModifier, active(XKB_MOD_NAME_ALT));
    modifiers.setFlag(Qt::MetaModifier, active(XKB_MOD_NAME_LOGO));
    // Shift is part of the symbol ("?" rather than Shift+/), as Qt's shortcuts take it.
    const QKeySequence pressedKeys(QKeyCombination(modifiers, static_cast<Qt::Key>(qtKey)));
    for (QAbstractButton* button : widget.findChildren<QAbstractButton*>()) {
        if (button->isVisible() && button->isEnabled() && button->shortcut() == pressedKeys) {
            button->click();
            return;
        }
    }
}

} // namespace kestrel::wayland
