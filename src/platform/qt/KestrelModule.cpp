#include "platform/qt/KestrelModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kestrel {

LoadedModule loadKestrelModule(const char* name, const char* symbol, std::string& error)
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString file = QString::fromLatin1(name);
    for (const QString& candidate : {programFolder.filePath(file),
                                     programFolder.filePath(QStringLiteral(KESTREL_INSTALLED_MODULE_DIR "/") + file)}) {
        auto library = std::make_unique<QLibrary>(candidate);
        if (!library->load()) {
            error = library->errorString().toStdString();
            continue;
        }
        if (void* entry = reinterpret_cast<void*>(library->resolve(symbol))) {
            error.clear();
            return {std::move(library), entry};
        }
        error = library->errorString().toStdString();
    }
    return {};
}

} // namespace kestrel
