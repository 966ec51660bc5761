#include "core/idlememory.h"

#include "core/cppsqlite3db.h"
#include "core/globals.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

bool releaseIdleMemory()
{
    const bool released = gDatabase.releaseMemory();
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
    return released;
}
