#pragma once

namespace kestrel {

// One visitor made of several lambdas, one per alternative of a variant:
// std::visit(Overloaded{[](const KeyDown&) {...}, [](const KeyUp&) {...}}, event).
template <typename... Cases>
struct Overloaded : Cases... {
    using Cases::operator()...;
};

// Spelled out for compilers without aggregate deduction (clang before 17).
template <typename... Cases>
Overloaded(Cases...) -> Overloaded<Cases...>;

} // namespace kestrel
