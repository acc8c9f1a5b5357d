#pragma once
#include <cstddef>

namespace cocos2d {

// Collects what the scene graph draws during one visit and sends it to GL in
// as few calls as it can. The Director calls clear(), visits the running
// scene, then render().
class Renderer
{
public:
    Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Starts a frame: forgets last frame's commands and clears the frame buffer
    // when there is a GL context.
    void clear();
    // Draws everything queued since clear().
    void render();

    // GL draw calls issued by the last render().
    std::size_t getDrawnBatches() const { return _drawnBatches; }

private:
    std::size_t _drawnBatches = 0;
};

}
