#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kestrel {

// The value types a preference can hold.
using DefaultsValue = std::variant<bool, double, std::string>;

// Kestrel's persistent preferences: one typed value per key. It is the program's only
// persistent state and holds nothing the user types. Readers supply their own defaults;
// nothing is registered with the store.
class DefaultsStore {
public:
    virtual ~DefaultsStore() = default;

    // The stored value, or nothing when the key was never written.
    virtual std::optional<DefaultsValue> object(std::string_view key) const = 0;
    // Writes one key. False when the value could not be saved; it still reads back until exit.
    virtual bool set(std::string_view key, DefaultsValue value) = 0;

    // The store's own conversions. Booleans: numbers are true when nonzero, strings when
    // they start with Y, y, T, t or a nonzero digit; a missing key is false.
    bool boolForKey(std::string_view key) const;
    // Numbers: Booleans are 1 or 0, strings are read as far as they form a number; a
    // missing key or unreadable text is 0.
    double doubleForKey(std::string_view key) const;

    // The same conversions, for a value already read.
    static bool toBool(const DefaultsValue& value);
    static double toDouble(const DefaultsValue& value);
};

} // namespace kestrel
