#pragma once

#include "settings/PreferenceEnums.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QSlider;

namespace kestrel {

class DefaultsStore;
class KeyPreview;
class KeycapPainter;

// One colour of the swatch row: a circle of the colour, with a dot while it is the chosen
// one. Named by the colour's title for screen readers, and checked while chosen.
class ColorSwatch final : public QAbstractButton {
public:
    ColorSwatch(KeyColor color, QWidget* parent = nullptr);
    KeyColor color() const { return m_color; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KeyColor m_color;
};

// The Appearance section: the sample keycaps, the key colour swatches, the key labels (Mac
// or PC), the size and the display duration. Each control writes its preference the moment
// it changes; the rest of the window picks up a new colour or new labels when `changed`
// tells it to.
class AppearanceSection final : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AppearanceSection)

public:
    AppearanceSection(DefaultsStore& defaults, KeycapPainter& painter, std::function<void()> changed,
                      QWidget* parent = nullptr);

    std::vector<ColorSwatch*> swatches() const { return m_swatches; }
    QComboBox& sizePicker() const { return *m_size; }
    QComboBox& labelPicker() const { return *m_labels; }
    QSlider& durationSlider() const { return *m_duration; }
    QString durationText() const;
    KeyPreview& preview() const { return *m_preview; }

    // "1.5s", or "1,5s" where the locale writes a decimal comma: one fraction digit.
    static QString durationLabel(double seconds, const QLocale& locale);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showDuration();

    DefaultsStore& m_defaults;
    std::function<void()> m_changed;
    KeyPreview* m_preview = nullptr;
    std::vector<ColorSwatch*> m_swatches;
    QComboBox* m_size = nullptr;
    QComboBox* m_labels = nullptr;
    QSlider* m_duration = nullptr;
    QLabel* m_durationLabel = nullptr;
};

} // namespace kestrel
