#pragma once

#include <string>

namespace kestrel {

// Hands addresses to the desktop: web pages to the browser, mailto: to the mail program,
// local files to their viewer.
class Workspace {
public:
    virtual ~Workspace() = default;
    // False when the desktop has nothing that opens the address.
    virtual bool openURL(const std::string& url) = 0;
};

} // namespace kestrel
