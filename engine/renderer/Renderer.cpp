#include "renderer/Renderer.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstring>
#include <utility>

#include "2d/Image.h"
#include "base/Director.h"
#include "platform/GLContext.h"
#include "3d/MeshCache.h"
#include "renderer/Mesh.h"
#include "renderer/SpriteShader.h"
#include "renderer/Texture2D.h"
#include "renderer/TextureCache.h"

namespace cocos2d {

namespace {

void multiply(const float* a, const float* b, float* out)
{
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += a[k * 4 + row] * b[col * 4 + k];
            out[col * 4 + row] = sum;
        }
}

const float IDENTITY[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// Room for at least the given number of quads: doubling from 1024, so that a
// buffer is made anew only a few times in a play.
std::size_t grownCapacity(std::size_t current, std::size_t needed)
{
    std::size_t capacity = current ? current : 1024;
    while (capacity < needed)
        capacity *= 2;
    return capacity;
}

// The storage GL holds for a buffer, as the driver reports it.
std::size_t bufferSize(GLenum target, GLuint buffer)
{
    if (!buffer || !glContextReady())
        return 0;
    GLint size = 0;
    glBindBuffer(target, buffer);
    glGetBufferParameteriv(target, GL_BUFFER_SIZE, &size);
    glBindBuffer(target, 0);
    return std::size_t(size);
}

}

Renderer::Renderer()
{
    std::memcpy(_viewProjection, IDENTITY, sizeof _viewProjection);
}

Renderer::~Renderer()
{
    if (glContextReady()) {
        if (_vertexBuffer)
            glDeleteBuffers(1, &_vertexBuffer);
        if (_indexBuffer)
            glDeleteBuffers(1, &_indexBuffer);
    }
}

Renderer::BufferSizes Renderer::getBufferSizes() const
{
    BufferSizes sizes;
    sizes.queues = _quads.capacity() * sizeof(Quad) + _batches.capacity() * sizeof(Batch) +
                   _meshes.capacity() * sizeof(MeshDraw) + _screenshots.capacity() * sizeof(Screenshot);
    sizes.vertexBuffer = bufferSize(GL_ARRAY_BUFFER, _vertexBuffer);
    sizes.indexBuffer = bufferSize(GL_ELEMENT_ARRAY_BUFFER, _indexBuffer);
    return sizes;
}

void Renderer::contextLost()
{
    _vertexBuffer = 0;
    _vertexCapacity = 0;
    _indexBuffer = 0;
    _indexCapacity = 0;
    SpriteShader::getInstance()->contextLost();
}

void Renderer::forgetOldContext()
{
    // Every GL name made so far belongs to a context that is gone.
    contextLost();
    TextureCache::getInstance()->contextLost();
    MeshCache::getInstance()->contextLost();
}

void Renderer::clear()
{
    _quads.clear();
    _batches.clear();
    _meshes.clear();
    if (!glContextReady())
        return;
    glDepthMask(GL_TRUE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

Renderer::Batch& Renderer::batchFor(Texture2D* texture, const BlendFunc& blend, std::size_t count)
{
    if (!_batches.empty()) {
        Batch& last = _batches.back();
        if (last.mesh < 0 && last.texture == texture && last.blend == blend) {
            last.quadCount += count;
            return last;
        }
    }
    _batches.push_back(Batch{texture, blend, _quads.size(), count, -1});
    return _batches.back();
}

Quad* Renderer::appendQuads(Texture2D* texture, const BlendFunc& blend, std::size_t count)
{
    batchFor(texture, blend, count);
    const std::size_t first = _quads.size();
    _quads.resize(first + count);
    return &_quads[first];
}

void Renderer::addQuads(Texture2D* texture, const BlendFunc& blend, const Quad* quads, std::size_t count)
{
    if (count == 0)
        return;
    batchFor(texture, blend, count);
    _quads.insert(_quads.end(), quads, quads + count);
}

void Renderer::addMesh(const Mesh* mesh, Texture2D* texture, const BlendFunc& blend, const float* modelMatrix,
                       const float tint[4])
{
    if (!mesh)
        return;
    MeshDraw draw;
    draw.mesh = mesh;
    std::memcpy(draw.model, modelMatrix, sizeof draw.model);
    std::memcpy(draw.tint, tint, sizeof draw.tint);
    _meshes.push_back(draw);
    _batches.push_back(Batch{texture, blend, 0, 0, int(_meshes.size() - 1)});
}

void Renderer::requestScreenshot(const std::string& path, std::function<void(bool, const std::string&)> done)
{
    _screenshots.push_back(Screenshot{path, std::move(done)});
}

void Renderer::render()
{
    _drawnBatches = _batches.size();
    _drawnQuads = _quads.size();
    if (glContextReady()) {
        if (SpriteShader::getInstance()->belongsToAnotherContext())
            forgetOldContext();
        std::memcpy(_viewProjection, Director::getInstance()->getProjectionMatrix().m, sizeof _viewProjection);
        drawGL();
        takeScreenshots();
    }
    _quads.clear();
    _batches.clear();
    _meshes.clear();
}

void Renderer::drawGL()
{
    SpriteShader* shader = SpriteShader::getInstance();
    if (!shader->use())
        return;
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    uploadQuads();
    for (const Batch& batch : _batches) {
        applyBlend(batch.blend);
        bindTexture(batch.texture);
        if (batch.mesh < 0)
            drawQuadBatch(batch);
        else
            drawMeshBatch(batch);
    }
    glDisable(GL_DEPTH_TEST);
    glDepthMask(GL_TRUE);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
}

void Renderer::uploadQuads()
{
    if (_quads.empty())
        return;
    if (!_vertexBuffer)
        glGenBuffers(1, &_vertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, _vertexBuffer);
    // The vertex buffer keeps one size until a frame needs more: given a new
    // size every frame, the GL driver makes new storage every frame, and in
    // a long play that churn leaves the program's memory ever more scattered.
    if (_quads.size() > _vertexCapacity) {
        _vertexCapacity = grownCapacity(_vertexCapacity, _quads.size());
        glBufferData(GL_ARRAY_BUFFER, GLsizeiptr(_vertexCapacity * sizeof(Quad)), nullptr, GL_STREAM_DRAW);
    }
    glBufferSubData(GL_ARRAY_BUFFER, 0, GLsizeiptr(_quads.size() * sizeof(Quad)), _quads.data());
    if (_quads.size() > _indexCapacity) {
        // One shared index list: every quad is the two triangles bl-tl-br and br-tl-tr.
        const std::size_t capacity = grownCapacity(_indexCapacity, _quads.size());
        std::vector<GLuint> indices(capacity * 6);
        for (std::size_t q = 0; q < capacity; ++q) {
            const GLuint base = GLuint(q * 4);
            GLuint* out = &indices[q * 6];
            out[0] = base;
            out[1] = base + 1;
            out[2] = base + 2;
            out[3] = base + 2;
            out[4] = base + 1;
            out[5] = base + 3;
        }
        if (!_indexBuffer)
            glGenBuffers(1, &_indexBuffer);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, _indexBuffer);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER, GLsizeiptr(indices.size() * sizeof(GLuint)), indices.data(),
                     GL_STATIC_DRAW);
        _indexCapacity = capacity;
    }
}

void Renderer::drawQuadBatch(const Batch& batch)
{
    const SpriteShader* shader = SpriteShader::getInstance();
    glDisable(GL_DEPTH_TEST);
    glBindBuffer(GL_ARRAY_BUFFER, _vertexBuffer);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, _indexBuffer);
    const GLuint position = GLuint(shader->positionAttrib());
    const GLuint color = GLuint(shader->colorAttrib());
    const GLuint texCoord = GLuint(shader->texCoordAttrib());
    glEnableVertexAttribArray(position);
    glEnableVertexAttribArray(color);
    glEnableVertexAttribArray(texCoord);
    glVertexAttribPointer(position, 3, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                          reinterpret_cast<void*>(offsetof(QuadVertex, x)));
    glVertexAttribPointer(color, 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(QuadVertex),
                          reinterpret_cast<void*>(offsetof(QuadVertex, r)));
    glVertexAttribPointer(texCoord, 2, GL_FLOAT, GL_FALSE, sizeof(QuadVertex),
                          reinterpret_cast<void*>(offsetof(QuadVertex, u)));
    shader->setMatrix(_viewProjection);
    shader->setTint(1.0f, 1.0f, 1.0f, 1.0f);
    glDrawElements(GL_TRIANGLES, GLsizei(batch.quadCount * 6), GL_UNSIGNED_INT,
                   reinterpret_cast<void*>(batch.firstQuad * 6 * sizeof(GLuint)));
}

void Renderer::drawMeshBatch(const Batch& batch)
{
    const SpriteShader* shader = SpriteShader::getInstance();
    const MeshDraw& draw = _meshes[std::size_t(batch.mesh)];
    if (!draw.mesh->bind(*shader))
        return;
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    float mvp[16];
    multiply(_viewProjection, draw.model, mvp);
    shader->setMatrix(mvp);
    shader->setTint(draw.tint[0], draw.tint[1], draw.tint[2], draw.tint[3]);
    draw.mesh->drawTriangles();
}

void Renderer::bindTexture(Texture2D* texture)
{
    GLuint name = texture ? texture->getName() : 0;
    if (!name)
        name = Texture2D::getWhiteTextureName();
    glBindTexture(GL_TEXTURE_2D, name);
}

void Renderer::applyBlend(const BlendFunc& blend)
{
    if (blend == BlendFunc::DISABLE) {
        glDisable(GL_BLEND);
        return;
    }
    glEnable(GL_BLEND);
    glBlendFunc(blend.src, blend.dst);
}

void Renderer::takeScreenshots()
{
    if (_screenshots.empty())
        return;
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const int width = viewport[2];
    const int height = viewport[3];
    std::vector<unsigned char> pixels(std::size_t(width > 0 ? width : 0) * (height > 0 ? height : 0) * 4);
    bool read = !pixels.empty();
    if (read) {
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(viewport[0], viewport[1], width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        // GL hands the bottom row first; the file wants the top row first.
        const std::size_t stride = std::size_t(width) * 4;
        std::vector<unsigned char> row(stride);
        for (int y = 0; y < height / 2; ++y) {
            unsigned char* top = &pixels[std::size_t(y) * stride];
            unsigned char* bottom = &pixels[std::size_t(height - 1 - y) * stride];
            std::memcpy(row.data(), top, stride);
            std::memcpy(top, bottom, stride);
            std::memcpy(bottom, row.data(), stride);
        }
        // The frame buffer's alpha is whatever blending left; a screenshot is opaque.
        for (std::size_t i = 3; i < pixels.size(); i += 4)
            pixels[i] = 255;
    }
    std::vector<Screenshot> pending;
    pending.swap(_screenshots);
    for (Screenshot& shot : pending) {
        Image image;
        const bool ok = read && image.initWithRawData(pixels.data(), width, height) && image.saveToFile(shot.path);
        if (!ok)
            std::fprintf(stderr, "Renderer: cannot write the screenshot %s\n", shot.path.c_str());
        if (shot.done)
            shot.done(ok, shot.path);
    }
}

}
