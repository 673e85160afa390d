#include "platform/qt/LazyUpdateNetwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kestrel {

namespace {

// What the module exports.
using Factory = UpdateNetwork* (*)(const char* downloadFolder);
constexpr const char* factoryName = "kestrelCreateUpdateNetwork";

} // namespace

LazyUpdateNetwork::LazyUpdateNetwork(std::filesystem::path downloadFolder) : m_downloadFolder(std::move(downloadFolder))
{}

LazyUpdateNetwork::~LazyUpdateNetwork()
{
    m_network.reset(); // its code lives in the module: gone before the module is
}

UpdateNetwork* LazyUpdateNetwork::network()
{
    if (m_network || !m_loadError.empty())
        return m_network.get();
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {programFolder.filePath(QString::fromLatin1(moduleName)),
          programFolder.filePath(QStringLiteral(KESTREL_INSTALLED_MODULE_DIR "/") + moduleName)}) {
        auto library = std::make_unique<QLibrary>(candidate);
        if (!library->load()) {
            m_loadError = library->errorString().toStdString();
            continue;
        }
        if (const auto create = reinterpret_cast<Factory>(library->resolve(factoryName))) {
            m_network.reset(create(m_downloadFolder.c_str()));
            m_library = std::move(library);
            m_loadError.clear();
            return m_network.get();
        }
        m_loadError = library->errorString().toStdString();
    }
    m_loadError = "Kestrel's network module could not be loaded (" + m_loadError + ")";
    return nullptr;
}

void LazyUpdateNetwork::fetchFeed(const std::string& url, std::function<void(Feed)> done)
{
    if (UpdateNetwork* loaded = network())
        loaded->fetchFeed(url, std::move(done));
    else
        done({.error = m_loadError});
}

void LazyUpdateNetwork::download(const std::string& url, std::uint64_t maximumLength,
                                 std::function<void(std::uint64_t received)> progress,
                                 std::function<void(Download)> done)
{
    if (UpdateNetwork* loaded = network())
        loaded->download(url, maximumLength, std::move(progress), std::move(done));
    else
        done({.error = m_loadError});
}

} // namespace kestrel
