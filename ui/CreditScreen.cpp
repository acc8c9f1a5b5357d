#include "ui/CreditScreen.h"

// Its pages and keys come with the screen's own work.
CreditScreen::CreditScreen()
{
    init();
}
