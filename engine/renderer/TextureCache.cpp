#include "renderer/TextureCache.h"

#include <cstdio>

#include "platform/FileUtils.h"
#include "renderer/Texture2D.h"

namespace cocos2d {

TextureCache* TextureCache::getInstance()
{
    static TextureCache instance;
    return &instance;
}

TextureCache::~TextureCache()
{
    removeAllTextures();
}

std::string TextureCache::keyFor(const std::string& fileName) const
{
    return FileUtils::getInstance()->fullPathForFilename(fileName);
}

Texture2D* TextureCache::addImage(const std::string& fileName)
{
    if (fileName.empty()) {
        std::fprintf(stderr, "TextureCache: no image file named\n");
        return nullptr;
    }
    const std::string key = keyFor(fileName);
    auto found = _textures.find(key);
    if (found != _textures.end())
        return found->second;
    if (key.empty() || !FileUtils::getInstance()->isFileExist(key)) {
        std::fprintf(stderr, "TextureCache: image file \"%s\" not found\n", fileName.c_str());
        return nullptr;
    }
    Texture2D* texture = new Texture2D();
    if (!texture->initWithFile(key)) {
        texture->release();
        return nullptr;
    }
    _textures[key] = texture;
    return texture;
}

Texture2D* TextureCache::getTextureForKey(const std::string& fileName) const
{
    auto found = _textures.find(fileName);
    if (found == _textures.end())
        found = _textures.find(keyFor(fileName));
    return found == _textures.end() ? nullptr : found->second;
}

void TextureCache::removeTexture(Texture2D* texture)
{
    for (auto it = _textures.begin(); it != _textures.end(); ++it)
        if (it->second == texture) {
            texture->release();
            _textures.erase(it);
            return;
        }
}

void TextureCache::removeTextureForKey(const std::string& fileName)
{
    removeTexture(getTextureForKey(fileName));
}

void TextureCache::removeUnusedTextures()
{
    for (auto it = _textures.begin(); it != _textures.end();) {
        if (it->second->getReferenceCount() == 1) {
            it->second->release();
            it = _textures.erase(it);
        } else
            ++it;
    }
}

void TextureCache::removeAllTextures()
{
    for (auto& entry : _textures)
        entry.second->release();
    _textures.clear();
}

std::size_t TextureCache::getTextureBytes() const
{
    std::size_t bytes = 0;
    for (const auto& entry : _textures)
        bytes += std::size_t(entry.second->getPixelsWide()) * std::size_t(entry.second->getPixelsHigh()) * 4;
    return bytes;
}

void TextureCache::contextLost()
{
    for (auto& entry : _textures)
        entry.second->contextLost();
    Texture2D::whiteTextureContextLost();
}

}
