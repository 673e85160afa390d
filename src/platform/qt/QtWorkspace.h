#pragma once

#include "platform/Workspace.h"

#include <filesystem>
#include <string>

namespace kestrel {

// Opens addresses with the desktop's handlers (xdg-open and friends, through Qt).
class QtWorkspace final : public Workspace {
public:
    bool openURL(const std::string& url) override;

    // The file:// address of a help page shipped with Kestrel, in `language` ("de", "pt_BR")
    // where it is written in it, else in English: beside the program in a build tree, or in
    // share/kestrel/help when installed. Empty when it is in neither place.
    static std::string helpPageURL(const std::string& name, const std::string& language);
    static std::string helpPageURL(const std::string& name, const std::string& language,
                                   const std::filesystem::path& executable);
};

} // namespace kestrel
