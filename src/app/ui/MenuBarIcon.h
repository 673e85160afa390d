#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

namespace kestrel {

// The tray icon: "menubar-on" while keys are shown, "menubar-off" otherwise, with the
// update dot in the top-right corner while an update waits. Like a template image it is one
// colour: the artwork and the dot are drawn in `color`, everything else is transparent.
// Missing artwork gives an empty picture (with the dot, only the dot).
QImage menuBarIcon(bool isRunning, bool isUpdatePending, int size, const QColor& color);

// The same at the sizes trays ask for.
QIcon menuBarIconSet(bool isRunning, bool isUpdatePending, const QColor& color);

} // namespace kestrel
