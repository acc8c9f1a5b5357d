#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/BlendFunc.h"
#include "renderer/QuadVertex.h"

namespace cocos2d {

class Texture2D;
class Mesh;

// Collects what the scene graph draws during one visit, in visit order, and
// sends it to GL in as few calls as it can: consecutive quads of one texture
// and one blend function share a draw call; a mesh is a call of its own and is
// depth-tested against the other meshes of the frame. The Director calls
// clear(), visits the running scene, then render(). Without a GL context the
// batches are still formed and counted, but nothing is drawn.
class Renderer
{
public:
    Renderer();
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Starts a frame: forgets the queued work and, with a GL context, clears
    // the colour and depth buffers.
    void clear();
    // Draws (with a GL context) everything queued since clear(), then takes
    // the screenshots asked for.
    void render();

    // Queues quads whose corners are already in world coordinates.
    void addQuads(Texture2D* texture, const BlendFunc& blend, const Quad* quads, std::size_t count);
    // Reserves room for count quads of one texture and blend function and
    // returns where to write them (valid until the next add call).
    Quad* appendQuads(Texture2D* texture, const BlendFunc& blend, std::size_t count);
    // Queues a mesh with its model matrix (column-major 4x4, world units) and
    // a premultiplied tint.
    void addMesh(const Mesh* mesh, Texture2D* texture, const BlendFunc& blend, const float* modelMatrix,
                 const float tint[4]);

    // The matrix from world (design) units to clip space used by the last
    // render(): the Director's projection times view.
    const float* getViewProjection() const { return _viewProjection; }

    // Writes the frame buffer to a PNG at the end of the next render() that
    // draws (frame buffer size, bottom row last). The callback, when given,
    // hears whether it worked.
    void requestScreenshot(const std::string& path, std::function<void(bool, const std::string&)> done = nullptr);

    // Draw calls the last render() issued (or would have issued headless).
    std::size_t getDrawnBatches() const { return _drawnBatches; }
    std::size_t getDrawnQuads() const { return _drawnQuads; }
    // Work queued since clear().
    std::size_t getQueuedBatches() const { return _batches.size(); }
    const std::vector<Quad>& getQueuedQuads() const { return _quads; }

    // What the renderer holds between frames, in bytes: its queues' room in
    // memory and the GL buffers it keeps filled. For watching memory in play.
    struct BufferSizes
    {
        std::size_t queues = 0;
        std::size_t vertexBuffer = 0;
        std::size_t indexBuffer = 0;
    };
    BufferSizes getBufferSizes() const;

    // The GL context went away (window closed or re-created): drop GL names
    // without touching GL.
    void contextLost();

private:
    struct Batch
    {
        Texture2D* texture;
        BlendFunc blend;
        std::size_t firstQuad;
        std::size_t quadCount;
        int mesh;  // index into _meshes, -1 for quads
    };
    struct MeshDraw
    {
        const Mesh* mesh;
        float model[16];
        float tint[4];
    };
    struct Screenshot
    {
        std::string path;
        std::function<void(bool, const std::string&)> done;
    };

    void forgetOldContext();
    Batch& batchFor(Texture2D* texture, const BlendFunc& blend, std::size_t count);
    void drawGL();
    void uploadQuads();
    void drawQuadBatch(const Batch& batch);
    void drawMeshBatch(const Batch& batch);
    void bindTexture(Texture2D* texture);
    void applyBlend(const BlendFunc& blend);
    void takeScreenshots();

    std::vector<Quad> _quads;
    std::vector<Batch> _batches;
    std::vector<MeshDraw> _meshes;
    std::vector<Screenshot> _screenshots;
    float _viewProjection[16];
    unsigned int _vertexBuffer = 0;
    unsigned int _indexBuffer = 0;
    std::size_t _indexCapacity = 0;
    std::size_t _vertexCapacity = 0;
    std::size_t _drawnBatches = 0;
    std::size_t _drawnQuads = 0;
};

}
