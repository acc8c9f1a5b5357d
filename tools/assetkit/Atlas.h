#pragma once
#include "Image.h"
#include <string>
#include <vector>

// A sprite sheet: named frames packed into one picture, written as a PNG and
// a property list (format 2: frame, offset, rotated, sourceColorRect,
// sourceSize, then metadata) that the engine's sprite-frame cache reads.
class Atlas
{
public:
    void add(const std::string& frameName, const Image& image);
    size_t size() const { return frames.size(); }
    // Writes <folder>/<baseName>.png and <folder>/<baseName>.plist.
    bool write(const std::string& folder, const std::string& baseName) const;
    // The same with the picture under its own name (for a sheet whose plain
    // .png name is taken by another picture).
    bool write(const std::string& folder, const std::string& plistBase, const std::string& textureBase) const;

private:
    struct Frame
    {
        std::string name;
        Image image;
        int x = 0, y = 0;
    };
    std::vector<Frame> frames;
};
