#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cocos2d.h"

class AnimationDef;

// One object type of objects.txt or otherobjects.txt: scenery, items,
// projectiles, actors and effects.
class ObjectDef {
public:
    // The most sprite names one object type can carry.
    static constexpr int kMaxFiles = 30;

    ObjectDef();
    ~ObjectDef();
    ObjectDef(const ObjectDef&) = delete;
    ObjectDef& operator=(const ObjectDef&) = delete;

    // Appends a sprite name; false (and nothing stored) when the record is full.
    bool addFile(const std::string& fileName);
    // Sprite name number index, or an empty name when there is no such entry.
    const std::string& file(int index) const;
    // Name of the sprite sheet of an animated object: the first file name cut
    // at its first '.', with ".plist"; empty when the object has no file name.
    std::string spriteSheetName() const;

    // Loads the object's sprite sheet into the sprite-frame cache.
    void loadSpriteSheet();
    void addAnimation(int animationId, int frameCount, int mode, const std::string& prefix, float duration);
    AnimationDef* findAnimation(int animationId) const;

    int id = -1;
    bool passable = true;
    bool decal = false;
    std::string name;
    std::vector<std::string> files;
    int fileCount = 0;
    std::string hudfilename;
    std::string under;
    std::string over;
    std::string sound;
    std::string model;
    bool hasModel = false;
    bool animated = false;
    uint16_t opacity = 255;
    bool dontshowrotation = false;
    int emit = 0;
    float zposoffset = 0.0f;
    bool exit = false;
    int damagetype = 0;
    float damage = 0.0f;
    bool high = false;
    bool mob = false;
    int weapon = -1;
    bool ammo = false;
    bool floats = false;
    bool effect = false;
    bool transient = false;
    bool humanwaste = false;
    bool garbage = false;
    bool camera = false;
    bool canpickup = false;
    bool ismoney = false;
    int spawnanimation = -1;
    bool vendingmachine = false;
    bool contraband = false;
    int fine = 0;
    bool cancarrybody = false;
    float despawn = -1.0f;
    int despawnasobject = -1;
    int explosive = -1;
    bool islure = false;
    bool isflashbang = false;
    bool light = false;
    bool locktotile = false;
    bool rotate90 = false;
    bool hackbox = false;
    int shape = 1;
    cocos2d::Vec2 size;
    // Owned; in the order of animations.txt.
    std::vector<AnimationDef*> animations;
};
