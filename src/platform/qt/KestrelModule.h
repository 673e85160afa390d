#pragma once

#include <memory>
#include <string>

class QLibrary;

namespace kestrel {

// Kestrel's own modules, each loaded the first time it is needed so that runs that never
// need it never pay for its libraries: they lie beside the program in a build tree and in
// Kestrel's folder of the architecture's library folder (…/lib/<triplet>/kestrel) when
// installed. Returns the loaded library and its entry point `symbol`, or nothing with
// `error` saying why.
struct LoadedModule {
    std::unique_ptr<QLibrary> library;
    void* entry = nullptr;
};
LoadedModule loadKestrelModule(const char* name, const char* symbol, std::string& error);

} // namespace kestrel
