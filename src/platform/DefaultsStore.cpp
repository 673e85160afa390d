#include "platform/DefaultsStore.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace kestrel {

namespace {

std::string_view trimLeadingSpace(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    return text;
}

bool stringAsBool(std::string_view text)
{
    text = trimLeadingSpace(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const char first = text.front();
    if (first == 'Y' || first == 'y' || first == 'T' || first == 't')
        return true;
    while (!text.empty() && text.front() == '0')
        text.remove_prefix(1);
    return !text.empty() && text.front() >= '1' && text.front() <= '9';
}

// Locale-independent on purpose: the GUI sets the process locale, and a German one would
// otherwise turn "1.5" into 1.
double stringAsDouble(std::string_view text)
{
    text = trimLeadingSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large reads as infinity, too small as 0, as the platform's conversion does.
        const std::string_view number(text.data(), static_cast<std::size_t>(result.ptr - text.data()));
        const auto exponent = number.find_first_of("eE");
        const bool underflow =
            exponent != std::string_view::npos && exponent + 1 < number.size() && number[exponent + 1] == '-';
        value = underflow ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        return 0.0;
    }
    return negative ? -value : value;
}

} // namespace

bool DefaultsStore::toBool(const DefaultsValue& value)
{
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag;
    if (const double* number = std::get_if<double>(&value))
        return *number != 0.0;
    return stringAsBool(std::get<std::string>(value));
}

double DefaultsStore::toDouble(const DefaultsValue& value)
{
    if (const bool* flag = std::get_if<bool>(&value))
        return *flag ? 1.0 : 0.0;
    if (const double* number = std::get_if<double>(&value))
        return *number;
    return stringAsDouble(std::get<std::string>(value));
}

bool DefaultsStore::boolForKey(std::string_view key) const
{
    const auto value = object(key);
    return value ? toBool(*value) : false;
}

double DefaultsStore::doubleForKey(std::string_view key) const
{
    const auto value = object(key);
    return value ? toDouble(*value) : 0.0;
}

} // namespace kestrel
