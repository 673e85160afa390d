#pragma once

#include "platform/PlatformEvent.h"

#include <cstdint>

namespace kestrel::keys {

// Pointer buttons as X numbers them once the user's button map has been applied: 1 left,
// 2 middle, 3 right, 4–7 wheel steps (up, down, left, right), 8 back, 9 forward. Both input
// sources speak this numbering, so a button means the same whatever reported it.
namespace LogicalButton {
inline constexpr std::uint32_t left = 1;
inline constexpr std::uint32_t middle = 2;
inline constexpr std::uint32_t right = 3;
inline constexpr std::uint32_t wheelUp = 4;
inline constexpr std::uint32_t wheelDown = 5;
inline constexpr std::uint32_t wheelLeft = 6;
inline constexpr std::uint32_t wheelRight = 7;
inline constexpr std::uint32_t back = 8;
inline constexpr std::uint32_t forward = 9;
} // namespace LogicalButton

// True for the buttons Kestrel shows as clicks (left, middle, right, back, forward).
bool isClickButton(std::uint32_t button);

// A press or release of a click button. Back and forward are reported as other buttons 3
// and 4, the middle button as other button 2.
PlatformEvent buttonEvent(std::uint32_t button, bool isPress, std::uint64_t flags);

// Whole wheel steps: `vertical` up positive, `horizontal` left positive.
PlatformEvent scrollEvent(double vertical, double horizontal, std::uint64_t flags);

} // namespace kestrel::keys
