#pragma once
// Freed memory that the allocator keeps for later use still counts against
// the program's resident size. After a large release (the intro's pictures,
// which the GL driver keeps in the program's own heap) the pages that are
// free again are handed back to the system, so the resident size falls with
// what was released instead of staying at its peak for the whole session.
class FreedMemory
{
public:
    // Returns the free pages of the heap to the system; nothing where the
    // allocator cannot.
    static void giveBack();
};
