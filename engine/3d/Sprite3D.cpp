#include "3d/Sprite3D.h"

#include "3d/MeshCache.h"
#include "base/RefOwnership.h"
#include "renderer/Renderer.h"
#include "renderer/Texture2D.h"
#include "renderer/TextureCache.h"

namespace cocos2d {

Sprite3D* Sprite3D::create(const std::string& modelFile)
{
    Sprite3D* sprite = new Sprite3D();
    return autoreleaseIfInitialised(sprite, sprite->initWithFile(modelFile));
}

Sprite3D* Sprite3D::create(const std::string& modelFile, const std::string& textureFile)
{
    Sprite3D* sprite = create(modelFile);
    if (sprite)
        sprite->setTexture(textureFile);
    return sprite;
}

Sprite3D::~Sprite3D()
{
    if (_texture)
        _texture->release();
}

bool Sprite3D::initWithFile(const std::string& modelFile)
{
    if (!Node::init())
        return false;
    _mesh = MeshCache::getInstance()->getMesh(modelFile);
    return _mesh != nullptr;
}

void Sprite3D::setTexture(const std::string& textureFile)
{
    setTexture(TextureCache::getInstance()->addImage(textureFile));
}

void Sprite3D::setTexture(Texture2D* texture)
{
    assignRetained(_texture, texture);
}

void Sprite3D::draw(Renderer* renderer, const Mat4& transform, uint32_t)
{
    if (!renderer || !_mesh || (_displayedOpacity == 0 && _blendFunc == BlendFunc::ALPHA_PREMULTIPLIED))
        return;
    // Premultiplied like every vertex colour of the engine.
    const float alpha = _displayedOpacity / 255.0f;
    const float tint[4] = {_displayedColor.r / 255.0f * alpha, _displayedColor.g / 255.0f * alpha,
                           _displayedColor.b / 255.0f * alpha, alpha};
    renderer->addMesh(_mesh, _texture, _blendFunc, transform.m, tint);
}

}
