#pragma once

#include <QObject>

#include <memory>
#include <string>

class QWidget;

namespace kestrel::wayland {

// A top-level Qt widget shown as a layer surface, for a window that must open at a place of
// its choosing (the tray's panel, under the click), which a Wayland client's own windows
// cannot. The widget stays a Qt widget, never shown on screen by Qt: its show and hide map
// and unmap the surface at the widget's position (held to the output's nearer edges), its
// repaints are drawn into the surface's buffers at the output's scale, and the pointer and
// keys the compositor sends the surface reach its child widgets. It takes the keyboard only
// when the compositor offers it (on demand), and closes on Escape and when the keyboard goes
// elsewhere; a key combination that is a button's shortcut clicks that button.
class LayerShellWindow final : public QObject {
public:
    // The widget's surface, which the widget owns; null, and `why` in words, when the
    // compositor cannot be reached or lacks layer surfaces or shared memory.
    static LayerShellWindow* host(QWidget& widget, std::string* why = nullptr);
    ~LayerShellWindow() override;

    LayerShellWindow(const LayerShellWindow&) = delete;
    LayerShellWindow& operator=(const LayerShellWindow&) = delete;

    struct Impl; // the surface and the seat, out of sight

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit LayerShellWindow(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

} // namespace kestrel::wayland
