#include "2d/SpriteFrameCache.h"

#include <cmath>
#include <cstdio>

#include "2d/SpriteFrame.h"
#include "base/RefOwnership.h"
#include "platform/FileUtils.h"
#include "renderer/Texture2D.h"
#include "renderer/TextureCache.h"
#include "utils/PropertyList.h"

namespace cocos2d {

namespace {

SpriteFrameCache* instance = nullptr;

bool readRect(const PropertyList* value, Rect& out)
{
    float n[4];
    if (!value || !PropertyList::parseNumbers(value->asString(), n, 4))
        return false;
    out = Rect(n[0], n[1], n[2], n[3]);
    return true;
}

bool readPair(const PropertyList* value, float& a, float& b)
{
    float n[2];
    if (!value || !PropertyList::parseNumbers(value->asString(), n, 2))
        return false;
    a = n[0];
    b = n[1];
    return true;
}

float number(const PropertyList& entry, const char* key)
{
    const PropertyList* value = entry.find(key);
    return value ? value->asFloat() : 0.0f;
}

bool flag(const PropertyList& entry, const char* key)
{
    const PropertyList* value = entry.find(key);
    return value && value->asBool();
}

// "nan" and "inf" read as numbers; a frame made of them would spread them
// through every size and position computed from the sprite.
bool allFinite(const Rect& rect, const Vec2& offset, const Size& original)
{
    const float values[] = {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height,
                            offset.x,      offset.y,      original.width,  original.height};
    for (float value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}

SpriteFrameCache* SpriteFrameCache::getInstance()
{
    if (!instance)
        instance = new SpriteFrameCache();
    return instance;
}

void SpriteFrameCache::destroyInstance()
{
    delete instance;
    instance = nullptr;
}

SpriteFrameCache::~SpriteFrameCache()
{
    removeSpriteFrames();
}

bool SpriteFrameCache::readSheet(const std::string& plist, std::string& fullPath, PropertyList& root) const
{
    FileUtils* files = FileUtils::getInstance();
    fullPath = files->fullPathForFilename(plist);
    if (fullPath.empty() || !files->isFileExist(fullPath)) {
        std::fprintf(stderr, "SpriteFrameCache: sprite sheet \"%s\" not found\n", plist.c_str());
        return false;
    }
    std::string error;
    if (!PropertyList::parse(files->getStringFromFile(fullPath), fullPath, root, error)) {
        std::fprintf(stderr, "SpriteFrameCache: %s\n", error.c_str());
        return false;
    }
    if (!root.isDict() || !root.find("frames") || !root.find("frames")->isDict()) {
        std::fprintf(stderr, "SpriteFrameCache: %s: no frames dictionary\n", fullPath.c_str());
        return false;
    }
    return true;
}

std::string SpriteFrameCache::textureNameFor(const PropertyList& root, const std::string& plist,
                                             const std::string& fullPath) const
{
    const PropertyList* metadata = root.find("metadata");
    std::string name;
    if (metadata) {
        if (const PropertyList* real = metadata->find("realTextureFileName"))
            name = real->asString();
        if (name.empty())
            if (const PropertyList* texture = metadata->find("textureFileName"))
                name = texture->asString();
    }
    if (!name.empty())
        return folderOf(fullPath) + name;
    // No texture named: the sheet's own name with ".png" in place of ".plist".
    const std::size_t dot = plist.find_last_of('.');
    return (dot == std::string::npos ? plist : plist.substr(0, dot)) + ".png";
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist)
{
    if (_loadedFiles.count(plist))
        return;
    std::string fullPath;
    PropertyList root;
    if (!readSheet(plist, fullPath, root))
        return;
    const std::string textureName = textureNameFor(root, plist, fullPath);
    Texture2D* texture = TextureCache::getInstance()->addImage(textureName);
    if (!texture) {
        std::fprintf(stderr, "SpriteFrameCache: %s: texture \"%s\" cannot be loaded\n", fullPath.c_str(),
                     textureName.c_str());
        return;
    }
    addFrames(root, plist, texture);
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist, const std::string& textureFileName)
{
    Texture2D* texture = TextureCache::getInstance()->addImage(textureFileName);
    if (!texture) {
        std::fprintf(stderr, "SpriteFrameCache: %s: texture \"%s\" cannot be loaded\n", plist.c_str(),
                     textureFileName.c_str());
        return;
    }
    addSpriteFramesWithFile(plist, texture);
}

void SpriteFrameCache::addSpriteFramesWithFile(const std::string& plist, Texture2D* texture)
{
    if (_loadedFiles.count(plist) || !texture)
        return;
    std::string fullPath;
    PropertyList root;
    if (readSheet(plist, fullPath, root))
        addFrames(root, plist, texture);
}

void SpriteFrameCache::addFrames(const PropertyList& root, const std::string& plist, Texture2D* texture)
{
    int format = 0;
    if (const PropertyList* metadata = root.find("metadata"))
        if (const PropertyList* value = metadata->find("format"))
            format = value->asInt();
    if (format < 0 || format > 3) {
        std::fprintf(stderr, "SpriteFrameCache: %s: sheet format %d is not supported\n", plist.c_str(), format);
        return;
    }
    for (const auto& entry : root.find("frames")->entries())
        addFrame(entry.first, entry.second, format, texture, plist);
    _loadedFiles.insert(plist);
}

void SpriteFrameCache::addFrame(const std::string& name, const PropertyList& entry, int format, Texture2D* texture,
                                const std::string& plist)
{
    Rect rect;
    bool rotated = false;
    Vec2 offset;
    Size original;
    bool ok = entry.isDict();
    if (ok && format == 0) {
        rect = Rect(number(entry, "x"), number(entry, "y"), number(entry, "width"), number(entry, "height"));
        offset = Vec2(number(entry, "offsetX"), number(entry, "offsetY"));
        original = Size(std::fabs(number(entry, "originalWidth")), std::fabs(number(entry, "originalHeight")));
    } else if (ok && (format == 1 || format == 2)) {
        ok = readRect(entry.find("frame"), rect);
        rotated = format == 2 && flag(entry, "rotated");
        if (!readPair(entry.find("offset"), offset.x, offset.y))
            offset = Vec2::ZERO;
        if (!readPair(entry.find("sourceSize"), original.width, original.height))
            original = rect.size;
    } else if (ok && format == 3) {
        Size size;
        ok = readRect(entry.find("textureRect"), rect);
        if (ok && readPair(entry.find("spriteSize"), size.width, size.height))
            rect.size = size;
        rotated = flag(entry, "textureRotated");
        if (!readPair(entry.find("spriteOffset"), offset.x, offset.y))
            offset = Vec2::ZERO;
        if (!readPair(entry.find("spriteSourceSize"), original.width, original.height))
            original = rect.size;
    }
    if (!ok || !allFinite(rect, offset, original) || rect.size.width <= 0.0f || rect.size.height <= 0.0f) {
        std::fprintf(stderr, "SpriteFrameCache: %s: frame \"%s\" has no usable rectangle or a number that is not finite\n",
                     plist.c_str(), name.c_str());
        return;
    }
    SpriteFrame* frame = SpriteFrame::createWithTexture(texture, rect, rotated, offset, original);
    addSpriteFrame(frame, name);
    _framesOfFile[plist].insert(name);
    if (format == 3)
        if (const PropertyList* aliases = entry.find("aliases"))
            for (const PropertyList& alias : aliases->items()) {
                addSpriteFrame(frame, alias.asString());
                _framesOfFile[plist].insert(alias.asString());
            }
}

void SpriteFrameCache::addSpriteFrame(SpriteFrame* frame, const std::string& name)
{
    if (!frame)
        return;
    assignRetained(_frames[name], frame);
}

SpriteFrame* SpriteFrameCache::findSpriteFrame(const std::string& name) const
{
    auto found = _frames.find(name);
    return found == _frames.end() ? nullptr : found->second;
}

SpriteFrame* SpriteFrameCache::getSpriteFrameByName(const std::string& name) const
{
    SpriteFrame* frame = findSpriteFrame(name);
    if (!frame)
        std::fprintf(stderr, "SpriteFrameCache: sprite frame \"%s\" not found\n", name.c_str());
    return frame;
}

void SpriteFrameCache::removeSpriteFrameByName(const std::string& name)
{
    auto found = _frames.find(name);
    if (found == _frames.end())
        return;
    found->second->release();
    _frames.erase(found);
}

void SpriteFrameCache::removeSpriteFramesFromFile(const std::string& plist)
{
    auto names = _framesOfFile.find(plist);
    if (names != _framesOfFile.end()) {
        for (const std::string& name : names->second)
            removeSpriteFrameByName(name);
        _framesOfFile.erase(names);
    }
    _loadedFiles.erase(plist);
}

void SpriteFrameCache::removeSpriteFrames()
{
    for (auto& entry : _frames)
        entry.second->release();
    _frames.clear();
    _framesOfFile.clear();
    _loadedFiles.clear();
}

}
