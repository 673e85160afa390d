#include "input/EventRecords.h"

#include "common/Overloaded.h"

namespace kestrel {

namespace {

struct ModifierInfo {
    std::uint64_t flag;
    std::string_view symbol;
    std::string_view caption;
};

// Indexed by Modifier's ordinal.
constexpr std::array<ModifierInfo, 4> modifierInfo{{
    {EventFlag::control, "⌃", "control"},
    {EventFlag::option, "⌥", "option"},
    {EventFlag::shift, "⇧", "shift"},
    {EventFlag::command, "⌘", "command"},
}};

constexpr const ModifierInfo& info(Modifier modifier)
{
    return modifierInfo[static_cast<std::size_t>(modifier)];
}

constexpr std::array<std::string_view, 3> buttonNames{"left", "middle", "right"};
constexpr std::array<std::string_view, 4> directionNames{"up", "down", "left", "right"};

} // namespace

std::uint64_t flagBit(Modifier modifier)
{
    return info(modifier).flag;
}

std::string_view symbol(Modifier modifier)
{
    return info(modifier).symbol;
}

std::string_view caption(Modifier modifier)
{
    return info(modifier).caption;
}

ModifierSet modifierSet(std::uint64_t flags)
{
    ModifierSet set;
    for (Modifier modifier : allModifiers) {
        if ((flags & flagBit(modifier)) != 0)
            set.insert(modifier);
    }
    return set;
}

std::string describe(ModifierSet modifiers)
{
    std::string text = "{";
    for (Modifier modifier : modifiers) {
        if (text.size() > 1)
            text += ", ";
        text += caption(modifier);
    }
    return text + "}";
}

std::string describe(const KeyEvent& event)
{
    return std::visit(
        Overloaded{
            [](const KeyDown& down) {
                return "keyDown(" + std::to_string(down.info.keyCode) + " \"" + down.info.symbol + "\", " +
                       describe(down.modifiers) + (down.isRepeat ? ", repeat)" : ")");
            },
            [](const KeyUp& up) { return "keyUp(" + std::to_string(up.keyCode) + ")"; },
            [](const ModifiersChanged& changed) { return "modifiersChanged(" + describe(changed.modifiers) + ")"; },
            [](const CapsLockToggled& toggled) {
                return std::string(toggled.isOn ? "capsLockToggled(on)" : "capsLockToggled(off)");
            },
        },
        event);
}

std::string describe(const MouseEvent& event)
{
    return std::visit(Overloaded{
                          [](const ButtonDown& down) {
                              return "buttonDown(" + std::string(buttonNames[static_cast<std::size_t>(down.button)]) +
                                     ", " + describe(down.modifiers) + ")";
                          },
                          [](const ButtonUp& up) {
                              return "buttonUp(" + std::string(buttonNames[static_cast<std::size_t>(up.button)]) + ")";
                          },
                          [](const Scroll& scroll) {
                              return "scroll(" +
                                     std::string(directionNames[static_cast<std::size_t>(scroll.direction)]) + ", " +
                                     describe(scroll.modifiers) + ")";
                          },
                      },
                      event);
}

} // namespace kestrel
