// The entry point of the update network module, which Kestrel loads when it first checks for
// updates (see LazyUpdateNetwork).
#include "platform/updates/QtUpdateNetwork.h"

extern "C" __attribute__((visibility("default"))) kestrel::UpdateNetwork*
kestrelCreateUpdateNetwork(const char* downloadFolder)
{
    return new kestrel::QtUpdateNetwork(downloadFolder);
}
