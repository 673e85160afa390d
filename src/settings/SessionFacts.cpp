#include "settings/SessionFacts.h"

#include "overlay/KeyLabels.h"

namespace kestrel {

UiMessage showKeysHint(KeyLabelStyle style, const SessionFacts& session)
{
    if (!session.grabsHotKey)
        return KESTREL_TEXT("SessionFacts", "Bind \u201ckestrel --toggle\u201d to a shortcut in your desktop's "
                                            "keyboard settings to turn on or off anytime");
    return KeyLabels::hotKeyHint(style);
}

} // namespace kestrel
