#pragma once

#include <xcb/xcb.h>

#include <map>
#include <string>
#include <sys/types.h>

namespace kestrel::test {

// What the X server holds for some of its clients, by resource type ("PIXMAP", "PICTURE",
// "WINDOW", "GC", ...), as the X-Resource extension counts it. Empty when the server lacks
// the extension or no client matched.
using ServerResources = std::map<std::string, int>;

// The resources of every client the process `pid` has connected.
ServerResources serverResourcesOfProcess(xcb_connection_t* connection, pid_t pid);
// The resources of the client that made `resource` (any of its windows, pictures, ...).
ServerResources serverResourcesOfOwner(xcb_connection_t* connection, std::uint32_t resource);

// The total of every type, for a one-line report.
int totalOf(const ServerResources& resources);
std::string describe(const ServerResources& resources);

} // namespace kestrel::test
