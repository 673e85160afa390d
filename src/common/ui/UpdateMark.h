#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>

namespace kestrel {

// The pending-update dot as the panel's update row and the settings sidebar draw it: red,
// or white on the accent colour of a highlighted row, and read by its name.
namespace UpdateMark {
inline const QColor red{0xFF, 0x3B, 0x30};
inline QColor color(bool onHighlight)
{
    return onHighlight ? QColor(Qt::white) : red;
}
inline QString accessibleName()
{
    return QCoreApplication::translate("UpdateMark", "Update available");
}
} // namespace UpdateMark

} // namespace kestrel
