#pragma once

#include <memory>
#include <utility>

namespace kestrel {

// Weak references to an object that is not itself owned by a shared_ptr. A class keeps one
// as its last member and hands `bind`-wrapped callbacks to timers and system services:
// once the object is destroyed those callbacks do nothing.
template <typename T>
class WeakSelf {
public:
    explicit WeakSelf(T* self) : m_self(std::make_shared<T*>(self)) {}

    WeakSelf(const WeakSelf&) = delete;
    WeakSelf& operator=(const WeakSelf&) = delete;

    // A callable that runs `body(object, args...)` while the object lives, and nothing after.
    template <typename Body>
    auto bind(Body body) const
    {
        return [weak = std::weak_ptr<T*>(m_self), body = std::move(body)](auto&&... args) {
            if (const auto self = weak.lock())
                body(**self, std::forward<decltype(args)>(args)...);
        };
    }

private:
    std::shared_ptr<T*> m_self;
};

} // namespace kestrel
