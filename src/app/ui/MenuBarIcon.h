#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

namespace kestrel {

// The tray icon: "menubar-on" while keys are shown, "menubar-off" otherwise, with the
// update dot in the top-right corner while an update waits, a transparent ring cleared
// around it. Like a template image it is one colour: the artwork and the dot are drawn in
// `color`, everything else is transparent. Missing artwork gives an empty picture (with the
// dot, only the dot).
//
// A tray's background may be light or dark whatever the theme says, so a `halo` colour
// (transparent for none) outlines the artwork and the dot by one pixel, to stand out on
// either.
QImage menuBarIcon(bool isRunning, bool isUpdatePending, int size, const QColor& color,
                   const QColor& halo = Qt::transparent);

// The same at the sizes trays ask for.
QIcon menuBarIconSet(bool isRunning, bool isUpdatePending, const QColor& color, const QColor& halo);

} // namespace kestrel
