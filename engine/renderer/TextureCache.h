#pragma once
#include <string>
#include <unordered_map>

namespace cocos2d {

class Texture2D;

// One texture per image file: every sprite of a file shares it (and so its
// texture parameters). Keys are the resolved full paths.
class TextureCache
{
public:
    static TextureCache* getInstance();

    // The texture of an image file found through the search paths; loads it on
    // first use. Null, with a message naming the file, when it is missing or
    // not a readable image.
    Texture2D* addImage(const std::string& fileName);
    // The cached texture of a file (name or full path), null when not loaded.
    Texture2D* getTextureForKey(const std::string& fileName) const;

    void removeTexture(Texture2D* texture);
    void removeTextureForKey(const std::string& fileName);
    // Drops the textures nobody but the cache holds.
    void removeUnusedTextures();
    void removeAllTextures();
    std::size_t getTextureCount() const { return _textures.size(); }
    // The pixels the cached textures hold, in bytes (four a pixel).
    std::size_t getTextureBytes() const;

    // The GL context went away: every texture forgets its GL name.
    void contextLost();

private:
    TextureCache() = default;
    ~TextureCache();
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    std::string keyFor(const std::string& fileName) const;

    std::unordered_map<std::string, Texture2D*> _textures;
};

}
