#include "ui/MenuEngine.h"

// The menu's pages come with the menu's own work.
void MenuEngine::close()
{
}
