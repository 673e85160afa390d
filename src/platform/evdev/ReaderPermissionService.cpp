#include "platform/evdev/ReaderPermissionService.h"

#include "app/InputMonitoringPermission.h"

#include <QSocketNotifier>

namespace kestrel::evdev {

ReaderPermissionService::ReaderPermissionService(Settings settings) : m_settings(std::move(settings)) {}

ReaderPermissionService::~ReaderPermissionService()
{
    m_settings.taps.detachStream();
}

bool ReaderPermissionService::isInputMonitoringGranted() const
{
    return (m_process && m_process->isReading()) || m_settings.canListen();
}

bool ReaderPermissionService::requestInputMonitoring()
{
    if (isInputMonitoringGranted())
        return true;
    if (m_process)
        return false; // the system is asking
    std::string why;
    m_process = InputReaderProcess::start(m_settings.readerCommand, why);
    if (!m_process) {
        m_settings.say({KESTREL_TEXT("ReaderPermission",
                                     "%1, so the keyboard cannot be read through the system's authentication."),
                        {why}});
        accessRequest = AccessRequest::unavailable;
        return false;
    }
    accessRequest = AccessRequest::asking;
    m_readyNotice = std::make_unique<QSocketNotifier>(m_process->output(), QSocketNotifier::Read);
    QObject::connect(m_readyNotice.get(), &QSocketNotifier::activated, [this] { readReady(); });
    m_endNotice = std::make_unique<QSocketNotifier>(m_process->endNotice(), QSocketNotifier::Read);
    QObject::connect(m_endNotice.get(), &QSocketNotifier::activated, [this] { processEnded(); });
    return false;
}

void ReaderPermissionService::openSystemSettings()
{
    if (!m_settings.helpPageURL.empty())
        m_settings.workspace.openURL(m_settings.helpPageURL);
}

void ReaderPermissionService::resumeChoice()
{
    if (m_settings.state.boolForKey(InputMonitoringPermission::readerChosenKey) && !m_settings.canListen())
        requestInputMonitoring();
}

void ReaderPermissionService::readReady()
{
    const auto readiness = m_process->takeReady();
    if (readiness == InputReaderProcess::Readiness::waiting)
        return;
    // Its notifier is calling: switched off now, deleted once control is back in the loop.
    m_readyNotice->setEnabled(false);
    m_readyNotice.release()->deleteLater();
    if (readiness == InputReaderProcess::Readiness::closed)
        return; // the process has ended: its end notice says how
    m_settings.state.set(InputMonitoringPermission::readerChosenKey, true);
    m_settings.taps.attachStream(m_process->output());
    accessRequest = AccessRequest::allowed;
}

void ReaderPermissionService::processEnded()
{
    // A reader that said it was ready and ended at once may be heard of here first.
    if (!m_process->isReading())
        m_process->takeReady();
    const bool wasReading = m_process->isReading();
    const InputReaderProcess::End end = m_process->reap();
    m_endNotice->setEnabled(false);
    m_endNotice.release()->deleteLater();
    if (m_readyNotice) {
        m_readyNotice->setEnabled(false);
        m_readyNotice.release()->deleteLater();
    }
    m_settings.taps.detachStream();
    m_process.reset();
    switch (end) {
    case InputReaderProcess::End::cancelled:
        accessRequest = AccessRequest::cancelled;
        break;
    case InputReaderProcess::End::refused:
        // Said here too: a start that asks again has no page open to say it.
        m_settings.say(KESTREL_TEXT("ReaderPermission",
                                    "the system did not allow reading the keyboard and mouse, so keys are not shown."));
        accessRequest = AccessRequest::refused;
        break;
    case InputReaderProcess::End::letGo:
    case InputReaderProcess::End::failed:
        m_settings.say(wasReading ? KESTREL_TEXT("ReaderPermission", "the keyboard reader stopped, so keys are not "
                                                                     "shown; choose Allow… in the settings to start "
                                                                     "it again.")
                                  : KESTREL_TEXT("ReaderPermission",
                                                 "the keyboard reader ended before it could read the keyboard."));
        accessRequest = wasReading ? AccessRequest::ended : AccessRequest::failed;
        break;
    }
}

} // namespace kestrel::evdev
