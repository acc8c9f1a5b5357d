#include "platform/FreedMemory.h"

// Any C library header tells which C library this is.
#include <cstdlib>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

void FreedMemory::giveBack()
{
#if defined(__GLIBC__)
    // Zero keeps no spare room at the top: the game allocates little after
    // the intro, and what it needs comes back on demand.
    malloc_trim(0);
#endif
}
