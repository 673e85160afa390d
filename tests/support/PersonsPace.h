#pragma once

#include <chrono>

namespace kestrel::test {

// The least time a person takes between two moves (a click, then the next click or Tab): the
// tests that type into password fields leave it between one try's setup and its move, so that
// only the move's own focus reports can still be on their way.
inline constexpr std::chrono::milliseconds betweenTwoMoves{150};

} // namespace kestrel::test
