#include "ui/HoverInfo.h"

// Picking and describing the hovered citizen come with the hover panel's own work.
void HoverInfo::update(float dt)
{
    (void)dt;
}
