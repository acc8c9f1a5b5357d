#include "ui/ComicEngine.h"

// Its pages and keys come with the screen's own work.
ComicEngine::ComicEngine()
{
    init();
}
