#pragma once

#include <QAbstractButton>

namespace kestrel {

// An on/off switch: a pill with a knob, in the accent colour while on. Space toggles it when
// it has the keyboard focus; a screen reader reads it as a checkable button by its
// accessible name.
class SwitchButton final : public QAbstractButton {
public:
    explicit SwitchButton(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kestrel
