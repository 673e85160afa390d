#include "platform/linux/FreedMemory.h"

#include <malloc.h>

namespace kestrel {

void returnFreedMemory()
{
    ::malloc_trim(0);
}

} // namespace kestrel
