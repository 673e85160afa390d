#include "platform/updates/LazyUpdateNetwork.h"

#include "platform/qt/KestrelModule.h"

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
    if (m_network || !m_loadError.isEmpty())
        return m_network.get();
    std::string why;
    LoadedModule module = loadKestrelModule(moduleName, factoryName, why);
    if (module.entry) {
        m_network.reset(reinterpret_cast<Factory>(module.entry)(m_downloadFolder.c_str()));
        m_library = std::move(module.library);
        return m_network.get();
    }
    m_loadError = {KESTREL_TEXT("Updates", "Kestrel's network module could not be loaded (%1)"), {why}};
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
