#include "overlay/OverlayComposer.h"

#include "overlay/KeycapGeometry.h"

#include <algorithm>
#include <cmath>

namespace kestrel {

namespace {

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
constexpr int fadeLevels = 64;

int toPixels(double points, double pixelRatio)
{
    return static_cast<int>(std::lround(points * pixelRatio));
}

std::uint8_t toOpacity(double alpha)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(alpha, 0.0, 1.0) * 255));
}

// Joins areas whose common bounding box is no larger than the two of them apart: a cap that
// moves a pixel is one area to draw, not two overlapping ones.
void coalesce(std::vector<PixelRect>& areas)
{
    const auto area = [](const PixelRect& rect) { return static_cast<long long>(rect.width) * rect.height; };
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < areas.size() && !joined; ++i) {
            for (std::size_t j = i + 1; j < areas.size() && !joined; ++j) {
                const PixelRect both = united(areas[i], areas[j]);
                if (area(both) <= area(areas[i]) + area(areas[j])) {
                    areas[i] = both;
                    areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
                    joined = true;
                }
            }
        }
    }
}

} // namespace

std::vector<PixelRect> roundedRectPixels(double x, double y, double width, double height, double radius)
{
    std::vector<PixelRect> rows;
    radius = std::clamp(radius, 0.0, std::min(width, height) / 2);
    const int firstRow = static_cast<int>(std::floor(y));
    const int lastRow = static_cast<int>(std::ceil(y + height));
    for (int row = firstRow; row < lastRow; ++row) {
        const double centre = row + 0.5;
        if (centre < y || centre >= y + height)
            continue;
        // How far into a corner's quarter circle this row lies, and the inset that makes.
        double depth = 0;
        if (centre < y + radius)
            depth = y + radius - centre;
        else if (centre > y + height - radius)
            depth = centre - (y + height - radius);
        const double inset = depth > 0 ? radius - std::sqrt(std::max(0.0, radius * radius - depth * depth)) : 0;
        const int left = static_cast<int>(std::ceil(x + inset - 0.5));
        const int right = static_cast<int>(std::ceil(x + width - inset - 0.5)); // one past the last
        if (right <= left)
            continue;
        if (!rows.empty() && rows.back().x == left && rows.back().width == right - left &&
            rows.back().y + rows.back().height == row)
            ++rows.back().height;
        else
            rows.push_back({left, row, right - left, 1});
    }
    return rows;
}

OverlayComposer::OverlayComposer(const OverlayModel& model, Scheduler& scheduler, OverlaySurface& surface,
                                 Options options)
    : m_model(model),
      m_surface(surface),
      m_options(options),
      m_composited(surface.isComposited()),
      m_pacer(scheduler, options.input, [this] { frameDue(); })
{
    m_surface.setBuffered(m_composited);
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

OverlayComposer::~OverlayComposer()
{
    for (const auto& unsubscribe : m_unsubscribe)
        unsubscribe();
}

void OverlayComposer::setOrderedIn(bool orderedIn)
{
    m_orderedIn = orderedIn;
    if (!orderedIn) {
        m_surface.hide();
        return;
    }
    // Shown again even when it is: nothing keeps a window on top by itself on X11.
    if (m_composited || !m_items.empty())
        m_surface.show();
}

void OverlayComposer::showIfNeeded()
{
    // Without a compositor an empty window would show its black background: keep it unmapped.
    const bool hasContent = !m_items.empty();
    if (m_orderedIn && (m_composited || hasContent) && !m_surface.isShown())
        m_surface.show();
    else if (!m_composited && !hasContent && m_surface.isShown())
        m_surface.hide();
}

double OverlayComposer::rowWidth() const
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

Point OverlayComposer::rowOrigin(double width) const
{
    const double size = m_model.fontSize.get();
    const double height = KeycapGeometry(size, KeycapShape::key).height + 2 * KeycapRow::padding(size);
    const Size panel = m_surface.size();
    const double spareWidth = panel.width - width;
    const double spareHeight = panel.height - height;
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

void OverlayComposer::layOut(double time, bool slide)
{
    // New keycaps start at their place; with `slide`, the others move there.
    const double size = m_model.fontSize.get();
    const Point origin = rowOrigin(rowWidth());
    m_rowTop = origin.y + KeycapRow::padding(size);
    double x = origin.x + KeycapRow::padding(size);
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

void OverlayComposer::keycapsChanged(const std::vector<Keycap>& keycaps)
{
    // Animations start now, so the frame that shows them already shows them moving.
    const double time = m_pacer.now();
    const double size = m_model.fontSize.get();
    const bool wasEmpty = std::none_of(m_items.begin(), m_items.end(), [](const Item& item) { return !item.leaving; });

    if (keycaps.empty()) {
        // The whole row fades out as it stands.
        if (!m_composited) {
            for (const Item& item : m_items)
                forget(item);
            m_items.clear();
            showIfNeeded();
        } else
            m_rowVisibility.animate(0, rowDisappears, time);
        m_pacer.request();
        return;
    }
    if (wasEmpty) {
        // A row appearing from nothing: fresh, no departing keycaps, and fading in as a whole.
        const bool wasComposited = m_composited;
        m_composited = m_surface.isComposited();
        m_surface.setBuffered(m_composited);
        if (m_composited && !wasComposited) {
            // A compositor has started: the window blends now and must not stay cut to an
            // old outline.
            m_shapeOutline.clear();
            m_surface.setShape(std::nullopt);
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
                                     [&](const Item& item) { return !item.leaving && item.keycap->id == keycap.id; });
        if (existing != m_items.end()) {
            Item item = std::move(*existing);
            m_items.erase(existing);
            if (item.keycap->isPressed != keycap.isPressed) {
                const bool gentle = keycap.isPressed || m_options.reduceMotion;
                item.sink.animate(keycap.isPressed ? 1 : 0, gentle ? pressSpring : releaseSpring, time);
            }
            item.width = KeycapGeometry(size, keycap.shape).width;
            if (!(*item.keycap == keycap)) {
                item.contentChanged = true;
                item.keycap = std::make_shared<const Keycap>(keycap);
            }
            next.push_back(std::move(item));
            continue;
        }
        Item item;
        item.keycap = std::make_shared<const Keycap>(keycap);
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
    m_pacer.request();
}

void OverlayComposer::styleChanged()
{
    const double size = m_model.fontSize.get();
    for (Item& item : m_items) {
        item.width = KeycapGeometry(size, item.keycap->shape).width;
        item.contentChanged = true;
    }
    layOut(m_pacer.now(), false);
    m_pacer.request();
}

void OverlayComposer::surfaceResized()
{
    for (Item& item : m_items)
        item.contentChanged = true;
    layOut(m_pacer.now(), false);
    m_pacer.request();
}

OverlayComposer::Look OverlayComposer::lookOf(const Item& item, double time) const
{
    const double ratio = m_surface.pixelRatio();
    const double x = item.x.value(time);
    const KeycapGeometry geometry(m_model.fontSize.get(), item.keycap->shape);
    const double drop = sinksWhenPressed(*item.keycap) ? item.sink.value(time) * geometry.sinkDistance() : 0;
    const double fade = std::clamp(item.visibility.value(time) * m_rowVisibility.value(time), 0.0, 1.0);
    return {toPixels(x, ratio),
            toPixels(m_rowTop, ratio),
            toPixels(m_rowTop + drop, ratio),
            toPixels(x - KeycapBlur::margin, ratio),
            toPixels(m_rowTop - KeycapBlur::margin, ratio),
            static_cast<int>(std::lround(fade * fadeLevels))};
}

PixelRect OverlayComposer::boundsOf(const Item& item, const Look& look) const
{
    if (look.fade <= 0)
        return {};
    const KeycapGeometry geometry(m_model.fontSize.get(), item.keycap->shape);
    const double ratio = m_surface.pixelRatio();
    const PixelSize sharp = pictureSize(geometry, KeycapPicture::base, ratio);
    PixelRect bounds =
        united({look.x, look.y, sharp.width, sharp.height}, {look.x, look.capY, sharp.width, sharp.height});
    if (look.fade < fadeLevels) {
        const PixelSize blurred = pictureSize(geometry, KeycapPicture::blurred, ratio);
        bounds = united(bounds, {look.blurX, look.blurY, blurred.width, blurred.height});
    }
    return bounds;
}

void OverlayComposer::addLayers(const Item& item, const Look& look)
{
    if (look.fade <= 0)
        return;
    const double visibility = static_cast<double>(look.fade) / fadeLevels;
    auto& layers = m_frame.layers;
    if (look.fade < fadeLevels) {
        // Between hidden and shown: the sharp keycap fades in over its blurred picture.
        const std::uint8_t blurred = toOpacity(visibility * (1 - visibility));
        if (blurred > 0)
            layers.push_back({item.keycap, KeycapPicture::blurred, look.blurX, look.blurY, blurred});
    }
    const std::uint8_t sharp = toOpacity(visibility * visibility);
    if (sharp == 0)
        return;
    layers.push_back({item.keycap, KeycapPicture::base, look.x, look.y, sharp});
    layers.push_back({item.keycap, KeycapPicture::cap, look.x, look.capY, sharp});
}

bool OverlayComposer::isMoving(double time) const
{
    if (!m_rowVisibility.isSettled(time, fadeTolerance))
        return true;
    return std::any_of(m_items.begin(), m_items.end(), [&](const Item& item) {
        return !item.x.isSettled(time, positionTolerance) || !item.visibility.isSettled(time, fadeTolerance) ||
               !item.sink.isSettled(time, sinkTolerance);
    });
}

void OverlayComposer::forget(const Item& item)
{
    if (!item.presentedBounds.isEmpty())
        m_pendingDamage.push_back(item.presentedBounds);
}

void OverlayComposer::frameDue()
{
    const double time = m_pacer.frameTime();
    // A keycap that has faded away goes now, even while others move: typing that never
    // pauses would otherwise keep, and lay out at every frame, every keycap it ever showed.
    const auto faded = [&](const Item& item) { return item.leaving && item.visibility.isSettled(time, fadeTolerance); };
    for (const Item& item : m_items) {
        if (faded(item))
            forget(item);
    }
    std::erase_if(m_items, faded);
    if (isMoving(time)) {
        present(time);
        scheduleAfter(time);
        return;
    }
    // At rest: drop what has faded away, draw the final frame, and stop the clock.
    const bool rowGone = m_rowVisibility.target() == 0;
    for (const Item& item : m_items) {
        if (item.leaving || rowGone)
            forget(item);
    }
    std::erase_if(m_items, [rowGone](const Item& item) { return item.leaving || rowGone; });
    // Rest exactly at the targets: the last moving frame may have left a cap a pixel short,
    // and a fade that stopped at 0.999 would draw the blurred picture at every later repaint.
    m_rowVisibility.set(m_rowVisibility.target());
    for (Item& item : m_items) {
        item.x.set(item.x.target());
        item.visibility.set(item.visibility.target());
        item.sink.set(item.sink.target());
    }
    present(time);
    showIfNeeded();
}

void OverlayComposer::present(double time)
{
    const double ratio = m_surface.pixelRatio();
    const double size = m_model.fontSize.get();
    const KeyColor color = m_model.keyColor.get();
    const bool restyled = ratio != m_frame.pixelRatio || size != m_frame.fontSize || color != m_frame.color;

    // Only what changes on screen is drawn again: a keycap whose pictures would land where
    // they are costs nothing this frame.
    m_frame.damage = std::move(m_pendingDamage);
    m_pendingDamage.clear();
    m_frame.layers.clear();
    for (Item& item : m_items) {
        const Look look = lookOf(item, time);
        if (restyled || item.contentChanged || !(look == item.presentedLook)) {
            const PixelRect bounds = boundsOf(item, look);
            for (const PixelRect& area : {item.presentedBounds, bounds}) {
                if (!area.isEmpty())
                    m_frame.damage.push_back(area);
            }
            item.presentedLook = look;
            item.presentedBounds = bounds;
            item.contentChanged = false;
        }
        addLayers(item, look);
    }
    if (!m_composited)
        updateShape();
    if (m_frame.damage.empty())
        return;
    coalesce(m_frame.damage);
    m_frame.pixelRatio = ratio;
    m_frame.fontSize = size;
    m_frame.color = color;
    m_pacer.presented();
    m_surface.present(m_frame);
}

void OverlayComposer::scheduleAfter(double shown)
{
    // Sleep until the first frame that will look different, or until everything is at rest.
    const double interval = m_pacer.interval();
    double next = shown + interval;
    constexpr int lookAhead = 120; // two seconds of frames at 60 Hz
    for (int frame = 1; frame <= lookAhead; ++frame) {
        next = shown + frame * interval;
        if (!isMoving(next))
            break;
        const bool changes = std::any_of(m_items.begin(), m_items.end(),
                                         [&](const Item& item) { return !(lookOf(item, next) == item.presentedLook); });
        if (changes)
            break;
    }
    m_pacer.scheduleIn(next - interval - m_pacer.now()); // frames are composed one frame ahead
}

void OverlayComposer::updateShape()
{
    const double ratio = m_surface.pixelRatio();
    const double size = m_model.fontSize.get();
    const double height = KeycapGeometry(size, KeycapShape::key).height;
    // The outline depends only on where the keycaps are: most frames move none, and
    // reshaping the window costs the server work.
    std::vector<int> outline{toPixels(m_rowTop, ratio), toPixels(size, ratio)};
    for (const Item& item : m_items) {
        outline.push_back(item.presentedLook.x);
        outline.push_back(toPixels(item.width, ratio));
    }
    if (outline == m_shapeOutline)
        return;
    m_shapeOutline = std::move(outline);
    // The keycaps' own outline, rounded corners and all: outside it the window would show black.
    const double radius = 74 * KeycapGeometry(size, KeycapShape::key).unit * ratio;
    std::vector<PixelRect> shape;
    for (const Item& item : m_items) {
        const auto pixels =
            roundedRectPixels(item.presentedLook.x, item.presentedLook.y, item.width * ratio, height * ratio, radius);
        shape.insert(shape.end(), pixels.begin(), pixels.end());
    }
    if (shape.empty())
        shape.push_back({0, 0, 1, 1}); // an empty cut would mean no cut at all
    m_surface.setShape(shape);
}

} // namespace kestrel
