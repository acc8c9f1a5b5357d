#include "ui/TutorialEngine.h"

// The tutorial list and its pop-ups come with the tutorials' own work.
void TutorialEngine::update(float dt)
{
    (void)dt;
}
