#pragma once

#include <QPalette>
#include <QWidget>

namespace kestrel {

// The colour of secondary text (subtitles, hints, shortcut labels) in the desktop's palette.
inline QColor secondaryTextColor(const QPalette& palette)
{
    return palette.color(QPalette::PlaceholderText);
}

// Draws a label's text in the secondary colour.
inline void showAsSecondary(QWidget& label)
{
    QPalette colors = label.palette();
    colors.setColor(QPalette::WindowText, secondaryTextColor(colors));
    label.setPalette(colors);
}

} // namespace kestrel
