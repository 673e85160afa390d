#include "overlay/ui/OverlayView.h"

#include "overlay/KeycapGeometry.h"
#include "overlay/ui/KeycapPainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <chrono>

namespace kestrel {

namespace {

constexpr double frameInterval = 1.0 / 60;
constexpr SpringParameters keycapSpring{0.12, 1.0};
constexpr SpringParameters rowAppears{0.15, 1.0};
constexpr SpringParameters rowDisappears{0.3, 1.0};
constexpr SpringParameters pressSpring{0.08, 1.0};
constexpr SpringParameters releaseSpring{0.35, 0.55};
// A spring counts as settled once what is left of its motion is below what a screen shows:
// a fifth of a point for positions, an eighth of the travel for the few points a cap
// sinks, one level in 256 for fades.
constexpr double positionTolerance = 0.2;
constexpr double sinkTolerance = 0.125;
constexpr double fadeTolerance = 1.0 / 256;

} // namespace

OverlayView::OverlayView(const OverlayModel& model, KeycapPainter& painter, Options options)
    : m_model(model), m_painter(painter), m_options(std::move(options))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    m_frameTimer.setTimerType(Qt::PreciseTimer);
    m_frameTimer.setSingleShot(true);
    connect(&m_frameTimer, &QTimer::timeout, this, [this] { tick(); });

    const auto keycaps = model.keycaps.subscribe([this](const std::vector<Keycap>& caps) { keycapsChanged(caps); });
    const auto size = model.fontSize.subscribe([this](double) { styleChanged(); });
    const auto color = model.keyColor.subscribe([this](KeyColor) { styleChanged(); });
    const auto alignment = model.alignment.subscribe([this](const Alignment&) { styleChanged(); });
    const auto anchor = model.anchor.subscribe([this](const std::optional<UnitPoint>&) { styleChanged(); });
    m_unsubscribe = {
        [this, keycaps] { m_model.keycaps.unsubscribe(keycaps); },
        [this, size] { m_model.fontSize.unsubscribe(size); },
        [this, color] { m_model.keyColor.unsubscribe(color); },
        [this, alignment] { m_model.alignment.unsubscribe(alignment); },
        [this, anchor] { m_model.anchor.unsubscribe(anchor); },
    };
    keycapsChanged(model.keycaps.get());
}

OverlayView::~OverlayView()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

double OverlayView::now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double OverlayView::frameTime() const
{
    return now() + frameInterval;
}

void OverlayView::setOrderedIn(bool orderedIn)
{
    m_orderedIn = orderedIn;
    if (!orderedIn) {
        hide();
        return;
    }
    showIfNeeded();
    raise(); // nothing keeps a window on top by itself on X11
}

void OverlayView::showIfNeeded()
{
    // Without a compositor an empty window would show its black background: keep it unmapped.
    const bool hasContent = !m_items.empty();
    if (m_orderedIn && (m_composited || hasContent) && !isVisible())
        show();
    else if ((!m_composited && !hasContent) && isVisible())
        hide();
}

double OverlayView::rowWidth() const
{
    const double size = m_model.fontSize.get();
    double width = 2 * KeycapRow::padding(size);
    int count = 0;
    for (const Item& item : m_items) {
        if (item.leaving)
            continue;
        width += item.width;
        ++count;
    }
    return width + KeycapRow::spacing(size) * std::max(0, count - 1);
}

QPointF OverlayView::rowOrigin(double width) const
{
    const double size = m_model.fontSize.get();
    const double height = KeycapGeometry(size, KeycapShape::key).height + 2 * KeycapRow::padding(size);
    const double spareWidth = this->width() - width;
    const double spareHeight = this->height() - height;
    if (const auto anchor = m_model.anchor.get()) // the row's point at the anchor meets the panel's
        return {anchor->x * spareWidth, anchor->y * spareHeight};
    const Alignment alignment = m_model.alignment.get();
    const double x = alignment.horizontal == Alignment::Horizontal::leading  ? 0
                     : alignment.horizontal == Alignment::Horizontal::center ? spareWidth / 2
                                                                             : spareWidth;
    const double y = alignment.vertical == Alignment::Vertical::top      ? 0
                     : alignment.vertical == Alignment::Vertical::center ? spareHeight / 2
                                                                         : spareHeight;
    return {x, y};
}

void OverlayView::layOut(double time, bool slide)
{
    // New keycaps start at their place; with `slide`, the others move there.
    const double size = m_model.fontSize.get();
    const QPointF origin = rowOrigin(rowWidth());
    m_rowTop = origin.y() + KeycapRow::padding(size);
    double x = origin.x() + KeycapRow::padding(size);
    for (Item& item : m_items) {
        if (item.leaving)
            continue;
        if (!slide || !item.placed)
            item.x.set(x);
        else if (item.x.target() != x)
            item.x.animate(x, keycapSpring, time);
        item.placed = true;
        x += item.width + KeycapRow::spacing(size);
    }
}

void OverlayView::keycapsChanged(const std::vector<Keycap>& keycaps)
{
    const double time = frameTime();
    const double size = m_model.fontSize.get();
    const bool wasEmpty = std::none_of(m_items.begin(), m_items.end(), [](const Item& item) { return !item.leaving; });

    if (keycaps.empty()) {
        // The whole row fades out as it stands.
        if (!m_composited) {
            for (const Item& item : m_items)
                forget(item);
            m_items.clear();
        } else
            m_rowVisibility.animate(0, rowDisappears, time);
        animate();
        return;
    }
    if (wasEmpty) {
        // A row appearing from nothing: fresh, no departing keycaps, and fading in as a whole.
        const bool wasComposited = m_composited;
        m_composited = m_options.isComposited();
        if (m_composited && !wasComposited) {
            // A compositor has started: the window blends now and must not stay cut to an
            // old outline.
            clearMask();
            m_shape = QRegion();
            m_shapeOutline.clear();
        }
        for (const Item& item : m_items)
            forget(item);
        m_items.clear();
        m_rowVisibility.set(0);
        if (m_composited)
            m_rowVisibility.animate(1, rowAppears, time);
        else
            m_rowVisibility.set(1);
    } else if (m_rowVisibility.target() < 1) {
        m_rowVisibility.animate(1, rowAppears, time); // back before it had faded away
    }

    std::vector<Item> next;
    next.reserve(keycaps.size() + m_items.size());
    for (const Keycap& keycap : keycaps) {
        auto existing = std::find_if(m_items.begin(), m_items.end(),
                                     [&](const Item& item) { return !item.leaving && item.keycap.id == keycap.id; });
        if (existing != m_items.end()) {
            Item item = std::move(*existing);
            m_items.erase(existing);
            if (item.keycap.isPressed != keycap.isPressed) {
                const bool gentle = keycap.isPressed || m_options.reduceMotion;
                item.sink.animate(keycap.isPressed ? 1 : 0, gentle ? pressSpring : releaseSpring, time);
            }
            item.width = KeycapGeometry(size, keycap.shape).width;
            item.contentChanged = item.contentChanged || !(item.keycap == keycap);
            item.keycap = keycap;
            next.push_back(std::move(item));
            continue;
        }
        Item item;
        item.keycap = keycap;
        item.width = KeycapGeometry(size, keycap.shape).width;
        // Inserted within a visible row, a keycap blur-fades in; with the row, it comes with it.
        item.visibility.set(wasEmpty || !m_composited ? 1 : 0);
        if (!wasEmpty && m_composited)
            item.visibility.animate(1, keycapSpring, time);
        // A keycap arrives up and sinks if it is pressed.
        if (keycap.isPressed)
            item.sink.animate(1, pressSpring, time);
        next.push_back(std::move(item));
    }
    // What is left has gone from the list: it fades out where it stands.
    for (Item& item : m_items) {
        if (!m_composited) {
            forget(item);
            continue;
        }
        if (!item.leaving) {
            item.leaving = true;
            item.visibility.animate(0, keycapSpring, time);
        }
        next.push_back(std::move(item));
    }
    m_items = std::move(next);

    layOut(time, !wasEmpty && m_composited);
    showIfNeeded();
    animate();
}

void OverlayView::styleChanged()
{
    const double size = m_model.fontSize.get();
    for (Item& item : m_items) {
        item.width = KeycapGeometry(size, item.keycap.shape).width;
        item.contentChanged = true;
    }
    layOut(frameTime(), false);
    animate();
}

QRect OverlayView::itemBounds(const Item& item, double time) const
{
    const double size = m_model.fontSize.get();
    const double height = KeycapGeometry(size, KeycapShape::key).height;
    const double visibility = item.visibility.value(time) * m_rowVisibility.value(time);
    const double margin = visibility < 1 ? KeycapPainter::blurMargin() : 0;
    // The cap may bounce a little past its travel.
    const QRectF box(item.x.value(time) - margin, m_rowTop - margin, item.width + 2 * margin,
                     height + 2 * margin + 0.2 * height);
    return box.toAlignedRect().adjusted(-1, -1, 1, 1);
}

void OverlayView::animate()
{
    const double time = frameTime();
    refreshFrame(time);
    scheduleNextFrame(time);
}

std::array<long, 3> OverlayView::lookOf(const Item& item, double time) const
{
    // What a keycap's picture depends on: its pixel column, how many pixels it has sunk, and
    // its fade level in 64 steps.
    const double pixelRatio = devicePixelRatioF();
    const KeycapGeometry geometry(m_model.fontSize.get(), item.keycap.shape);
    const double fade = std::clamp(item.visibility.value(time) * m_rowVisibility.value(time), 0.0, 1.0);
    return {std::lround(item.x.value(time) * pixelRatio),
            std::lround(item.sink.value(time) * geometry.sinkDistance() * pixelRatio), std::lround(fade * 64)};
}

bool OverlayView::isMoving(double time) const
{
    if (!m_rowVisibility.isSettled(time, fadeTolerance))
        return true;
    return std::any_of(m_items.begin(), m_items.end(), [&](const Item& item) {
        return !item.x.isSettled(time, positionTolerance) || !item.visibility.isSettled(time, fadeTolerance) ||
               !item.sink.isSettled(time, sinkTolerance);
    });
}

void OverlayView::refreshFrame(double time)
{
    // Only what changes on screen is repainted: a keycap whose picture would come out the
    // same costs nothing this frame.
    QRegion dirty = m_pendingDirty;
    m_pendingDirty = QRegion();
    for (Item& item : m_items) {
        const auto look = lookOf(item, time);
        const QRect bounds = itemBounds(item, time);
        if (look == item.paintedLook && bounds == item.paintedBounds && !item.contentChanged)
            continue;
        dirty += item.paintedBounds;
        dirty += bounds;
        item.paintedLook = look;
        item.paintedBounds = bounds;
        item.contentChanged = false;
    }
    if (!dirty.isEmpty())
        update(dirty);
    if (!m_composited)
        updateShape(time);
}

void OverlayView::scheduleNextFrame(double shown)
{
    // Sleep until the first frame that will look different, or until everything is at rest:
    // a cap that sinks four pixels needs four frames, not the spring's whole duration.
    double next = shown + frameInterval;
    constexpr int lookAhead = 120; // two seconds of frames
    for (int frame = 1; frame <= lookAhead; ++frame) {
        next = shown + frame * frameInterval;
        if (!isMoving(next))
            break;
        const bool changes = std::any_of(m_items.begin(), m_items.end(),
                                         [&](const Item& item) { return lookOf(item, next) != item.paintedLook; });
        if (changes)
            break;
    }
    const double wait = next - frameInterval - now(); // frames are evaluated one frame ahead
    m_frameTimer.start(std::max(0, static_cast<int>(std::lround(wait * 1000))));
}

void OverlayView::forget(const Item& item)
{
    m_pendingDirty += item.paintedBounds;
}

void OverlayView::tick()
{
    const double time = frameTime();
    if (!isMoving(time)) {
        // At rest: drop what has faded away, draw the final frame, and stop the clock.
        const bool rowGone = m_rowVisibility.target() == 0;
        for (const Item& item : m_items) {
            if (item.leaving || rowGone)
                forget(item);
        }
        std::erase_if(m_items, [rowGone](const Item& item) { return item.leaving || rowGone; });
        // Rest exactly at the targets: a fade that stopped at 0.999 would draw the blurred
        // picture and a wider area at every later repaint.
        m_rowVisibility.set(m_rowVisibility.target());
        for (Item& item : m_items) {
            item.x.set(item.x.target());
            item.visibility.set(item.visibility.target());
            item.sink.set(item.sink.target());
            item.contentChanged = true; // the last frame drew it a fraction of a pixel away
        }
        refreshFrame(time);
        showIfNeeded();
        return;
    }
    refreshFrame(time);
    scheduleNextFrame(time);
}

void OverlayView::updateShape(double time)
{
    const double size = m_model.fontSize.get();
    const double height = KeycapGeometry(size, KeycapShape::key).height;
    // The outline depends only on where the keycaps are: most frames move none.
    std::vector<long> outline{std::lround(m_rowTop), std::lround(size)};
    for (const Item& item : m_items) {
        outline.push_back(std::lround(item.x.value(time)));
        outline.push_back(std::lround(item.width));
    }
    if (outline == m_shapeOutline)
        return;
    m_shapeOutline = std::move(outline);
    // The keycaps' own outline, rounded corners and all: outside it the window would show black.
    const double radius = 74 * KeycapGeometry(size, KeycapShape::key).unit;
    QRegion shape;
    for (const Item& item : m_items) {
        QPainterPath outline;
        outline.addRoundedRect(QRectF(item.x.value(time), m_rowTop, item.width, height), radius, radius);
        shape += QRegion(outline.toFillPolygon().toPolygon());
    }
    if (shape.isEmpty())
        shape = QRegion(0, 0, 1, 1); // an empty mask would mean no mask at all
    // Reshaping the window costs the server work: only when the outline really changed.
    if (shape != m_shape) {
        m_shape = shape;
        setMask(shape);
    }
}

void OverlayView::paintEvent(QPaintEvent* event)
{
    // The backing store of a translucent window arrives cleared to transparent.
    QPainter painter(this);
    painter.setClipRegion(event->region());
    const double time = frameTime();
    const double size = m_model.fontSize.get();
    const KeyColor color = m_model.keyColor.get();
    const double row = m_rowVisibility.value(time);
    for (const Item& item : m_items) {
        const double visibility = std::clamp(item.visibility.value(time) * row, 0.0, 1.0);
        m_painter.paint(painter, QPointF(item.x.value(time), m_rowTop), item.keycap, size, color, item.sink.value(time),
                        visibility);
    }
}

} // namespace kestrel
