#pragma once

#include <set>
#include <string>

// The frame names of property-list sprite sheets, read straight from the
// files (no textures are loaded), so the checker can test animation frames.
class SpriteSheetIndex {
public:
    // Adds the frames of a sheet; false with a reason when it cannot be read.
    bool addSheet(const std::string& path, std::string& error);
    bool hasFrame(const std::string& name) const { return frames_.count(name) != 0; }

private:
    std::set<std::string> frames_;
    std::set<std::string> sheets_;
};
