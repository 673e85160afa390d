#pragma once

#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

namespace kestrel::evdev {

// kestrel-input-reader as Kestrel runs it: through pkexec, which has the system's
// authentication agent ask for an administrator's password, joined to Kestrel by two pipes.
// Kestrel reads the reader's records from one; the other is the reader's standard input,
// which Kestrel never writes to: closing it, or Kestrel ending, ends the reader. Nothing
// here blocks but the destructor's short wait for the process to go.
class InputReaderProcess {
public:
    // How the process ended.
    enum class End {
        letGo,     // Kestrel let it go, or it was never allowed to start reading
        cancelled, // the user dismissed the authentication dialog
        refused,   // not authorised: a wrong password, a rule that says no, no agent to ask
        failed,    // it stopped by itself or was killed, while reading or before it could read
    };

    // The reader beside the program in `programFolder` (a build), else where it is installed.
    static std::string locate(const std::string& programFolder);
    // pkexec and the reader's full path: how Kestrel starts it.
    static std::vector<std::string> throughPkexec(const std::string& reader);

    // Starts `command` with its standard output and input on pipes; nothing, with the
    // reason, when it cannot be started.
    static std::unique_ptr<InputReaderProcess> start(const std::vector<std::string>& command, std::string& why);
    ~InputReaderProcess();

    InputReaderProcess(const InputReaderProcess&) = delete;
    InputReaderProcess& operator=(const InputReaderProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // The records' end of the pipe, non-blocking.
    int output() const { return m_output; }
    // Readable once the process has ended.
    int endNotice() const { return m_endNotice; }

    // Reads what has come of the reader's first record: ready once it has all come (the
    // reader is allowed, reading and confined), closed when the pipe ended before. Nothing
    // after that record is read here.
    enum class Readiness { waiting, ready, closed };
    Readiness takeReady();
    bool isReading() const { return m_readyBytes == readyLength; }
    // Once `endNotice` is readable: how it ended. Reaps the process.
    End reap();

private:
    InputReaderProcess(pid_t pid, int output, int input, int endNotice);

    static constexpr std::size_t readyLength = 24; // one record (struct input_event)
    pid_t m_pid = -1;
    int m_output = -1;
    int m_input = -1;
    int m_endNotice = -1;
    std::size_t m_readyBytes = 0;
    bool m_reaped = false;
};

} // namespace kestrel::evdev
