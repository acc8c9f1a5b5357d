#include "renderer/Renderer.h"

namespace cocos2d {

void Renderer::clear()
{
    _drawnBatches = 0;
}

void Renderer::render()
{
}

}
