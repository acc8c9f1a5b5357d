#pragma once
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace cocos2d {

class PropertyList;
class SpriteFrame;
class Texture2D;

// Named sprite frames, filled from property-list sprite sheets (the frames
// dictionary of formats 0 to 3) or by hand.
class SpriteFrameCache
{
public:
    static SpriteFrameCache* getInstance();
    static void destroyInstance();

    // Reads a sheet; its texture is the metadata's textureFileName (beside the
    // sheet) or else the sheet's name with ".png". Loading a sheet twice does
    // nothing the second time. Problems are reported with the file's name and
    // line; frames read before a bad entry are kept.
    void addSpriteFramesWithFile(const std::string& plist);
    void addSpriteFramesWithFile(const std::string& plist, const std::string& textureFileName);
    void addSpriteFramesWithFile(const std::string& plist, Texture2D* texture);
    void addSpriteFrame(SpriteFrame* frame, const std::string& name);

    // The frame of that name; null, with a message naming it, when unknown.
    SpriteFrame* getSpriteFrameByName(const std::string& name) const;
    // The same without the message, for callers that only ask.
    SpriteFrame* findSpriteFrame(const std::string& name) const;

    void removeSpriteFrameByName(const std::string& name);
    void removeSpriteFramesFromFile(const std::string& plist);
    void removeSpriteFrames();
    std::size_t getSpriteFrameCount() const { return _frames.size(); }

private:
    SpriteFrameCache() = default;
    ~SpriteFrameCache();
    SpriteFrameCache(const SpriteFrameCache&) = delete;
    SpriteFrameCache& operator=(const SpriteFrameCache&) = delete;

    bool readSheet(const std::string& plist, std::string& fullPath, PropertyList& root) const;
    void addFrames(const PropertyList& root, const std::string& plist, Texture2D* texture);
    void addFrame(const std::string& name, const PropertyList& entry, int format, Texture2D* texture,
                  const std::string& plist);
    std::string textureNameFor(const PropertyList& root, const std::string& plist,
                               const std::string& fullPath) const;

    std::unordered_map<std::string, SpriteFrame*> _frames;
    std::unordered_map<std::string, std::unordered_set<std::string>> _framesOfFile;
    std::unordered_set<std::string> _loadedFiles;
};

}
