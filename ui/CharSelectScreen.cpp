#include "ui/CharSelectScreen.h"

// Its pages and keys come with the screen's own work.
CharSelectScreen::CharSelectScreen()
{
    init();
}
