#include "support/evdev/EvdevFifo.h"

#include <QFile>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kestrel::test {

EvdevFifo::EvdevFifo(QString path) : m_path(std::move(path))
{
    QFile::remove(m_path);
    m_made = ::mkfifo(m_path.toLocal8Bit().constData(), 0600) == 0;
}

EvdevFifo::~EvdevFifo()
{
    close();
    QFile::remove(m_path);
}

bool EvdevFifo::open()
{
    close();
    m_descriptor = ::open(m_path.toLocal8Bit().constData(), O_WRONLY | O_CLOEXEC);
    return m_descriptor >= 0;
}

void EvdevFifo::close()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

namespace {

bool writeFrame(int descriptor, std::uint16_t type, std::uint16_t code, int value)
{
    input_event events[2]{};
    events[0].type = type;
    events[0].code = code;
    events[0].value = value;
    events[1].type = EV_SYN;
    events[1].code = SYN_REPORT;
    return descriptor >= 0 && ::write(descriptor, events, sizeof(events)) == static_cast<ssize_t>(sizeof(events));
}

} // namespace

bool EvdevFifo::key(std::uint16_t code, int value)
{
    return writeFrame(m_descriptor, EV_KEY, code, value);
}

bool EvdevFifo::wheel(int steps)
{
    return writeFrame(m_descriptor, EV_REL, REL_WHEEL, steps);
}

} // namespace kestrel::test
