#include "common/UiText.h"

namespace kestrel {

std::string fillPlaces(std::string_view text, const std::vector<std::string>& arguments)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() ? text[at + 1] : '\0';
        const auto place = static_cast<std::size_t>(next - '1');
        if (text[at] == '%' && next >= '1' && next <= '9' && place < arguments.size()) {
            filled += arguments[place];
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}

} // namespace kestrel
