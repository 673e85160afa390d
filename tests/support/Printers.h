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

inline void PrintTo(ModifierSet modifiers, std::ostream* out)
{
    *out << describe(modifiers);
}

} // namespace kestrel
