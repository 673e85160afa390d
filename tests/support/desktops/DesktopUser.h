#pragma once

#include <QProcess>

#include <string>

#include <pwd.h>
#include <sys/types.h>

namespace kestrel::test {

// The ordinary user the tests run desktop shells as when they run as root (the shells refuse
// root, or misbehave under it): "kestrel-desktop", a system user made when missing. Null, with
// `error` said, when it cannot be made.
const passwd* desktopUser(std::string& error);

// Has `process` start as `account` when the test runs as root, in a process group of its own
// so that everything it starts can be ended with it.
void runAs(QProcess& process, const passwd* account);
// Ends a process started by `runAs` and everything it started: asked first, then made to.
void endProcessGroup(QProcess& process);
// The display of the XWayland a compositor with process `parent` started; empty before it has.
std::string xwaylandDisplayOf(qint64 parent);
// Gives the file or folder at `path` to `account` (null: leaves its owner) with `mode`.
bool giveTo(const QString& path, const passwd* account, mode_t mode);

} // namespace kestrel::test
