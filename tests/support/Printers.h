#pragma once

#include "input/EventRecords.h"

#include <ostream>

// Lets GoogleTest print events readably in failure messages.
namespace kestrel {

inline void PrintTo(const KeyEvent& event, std::ostream* out)
{
    *out << describe(event);
}

inline void PrintTo(const MouseEvent& event, std::ostream* out)
{
    *out << describe(event);
}

// GoogleTest prints a variant through its alternatives.
inline void PrintTo(const KeyDown& event, std::ostream* out)
{
    *out << describe(KeyEvent(event));
}
inline void PrintTo(const KeyUp& event, std::ostream* out)
{
    *out << describe(KeyEvent(event));
}
inline void PrintTo(const ModifiersChanged& event, std::ostream* out)
{
    *out << describe(KeyEvent(event));
}
inline void PrintTo(const CapsLockToggled& event, std::ostream* out)
{
    *out << describe(KeyEvent(event));
}
inline void PrintTo(const ButtonDown& event, std::ostream* out)
{
    *out << describe(MouseEvent(event));
}
inline void PrintTo(const ButtonUp& event, std::ostream* out)
{
    *out << describe(MouseEvent(event));
}
inline void PrintTo(const Scroll& event, std::ostream* out)
{
    *out << describe(MouseEvent(event));
}

inline void PrintTo(ModifierSet modifiers, std::ostream* out)
{
    *out << describe(modifiers);
}

} // namespace kestrel
