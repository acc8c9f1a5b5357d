// Feeds arbitrary text to the engine's property-list reader as a sprite sheet,
// loaded the way the game loads its atlases, beside links to the game's
// pictures (so textures named by the sheet are found). Every frame the cache
// takes must have a usable rectangle, and the frames must make sprites and an
// animation as the game makes them.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "FuzzFolder.h"
#include "cocos2d.h"
#include "utils/PropertyList.h"

using namespace cocos2d;

namespace {

const char* const kSheet = "fuzz.plist";

const FuzzFolder& folder()
{
    static const FuzzFolder scratch("tallowind-fuzz-plist");
    return scratch;
}

// Every picture of the assets, and one under the sheet's own name for sheets
// that name no texture.
void linkPictures()
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path assets = fs::path(TALLOWIND_SOURCE_DIR) / "assets";
    for (const auto& entry : fs::directory_iterator(assets, ec)) {
        if (entry.path().extension() == ".png")
            fs::create_symlink(entry.path(), folder().path() / entry.path().filename(), ec);
    }
    fs::create_symlink(assets / "AdBlimp.png", folder().path() / "fuzz.png", ec);
}

// The names of the sheet's frames, read as the cache reads them.
std::vector<std::string> frameNames(const std::string& xml)
{
    std::vector<std::string> names;
    PropertyList root;
    std::string error;
    if (!PropertyList::parse(xml, kSheet, root, error) || !root.isDict() || !root.find("frames"))
        return names;
    for (const auto& entry : root.find("frames")->entries())
        names.push_back(entry.first);
    return names;
}

// A positive rectangle, and only finite numbers: sprite sizes and positions
// are computed from them.
bool usable(const SpriteFrame& frame)
{
    const Rect& rect = frame.getRect();
    const float values[] = {rect.origin.x, rect.origin.y, rect.size.width, rect.size.height,
                            frame.getOffset().x, frame.getOffset().y, frame.getOriginalSize().width,
                            frame.getOriginalSize().height};
    for (float value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return rect.size.width > 0.0f && rect.size.height > 0.0f;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    linkPictures();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    folder().write(kSheet, data, size);
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile(folder().file(kSheet));

    Vector<SpriteFrame*> frames;
    for (const std::string& name : frameNames(std::string(reinterpret_cast<const char*>(data), size))) {
        SpriteFrame* frame = cache->findSpriteFrame(name);
        if (!frame)
            continue;
        if (!usable(*frame))
            std::abort();
        frames.pushBack(frame);
        Sprite::createWithSpriteFrame(frame);
    }
    if (!frames.empty())
        Animation::createWithSpriteFrames(frames, 0.1f);

    cache->removeSpriteFrames();
    AutoreleasePool::getInstance()->clear();
    return 0;
}
