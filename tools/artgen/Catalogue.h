#pragma once
#include "Look.h"
#include <string>
#include <vector>

// One animation line of animations.txt.
struct AnimationLine
{
    int id;
    std::string prefix;
    int frames;
    double seconds;
    std::string mode;
};

// One "object" record: its id, the file it is written to (0 objects.txt,
// 1 otherobjects.txt), its key lines in order and its animations.
struct ObjectEntry
{
    int id;
    int file;
    std::string comment;
    std::vector<std::string> keys;
    std::vector<AnimationLine> animations;
};

struct WeaponEntry
{
    int id;
    std::vector<std::string> keys;
};

// Every walking character's look, by object definition id.
struct CharacterLook
{
    int id;
    std::string name;
    Look look;
};

const std::vector<CharacterLook>& characterLooks();
const std::vector<ObjectEntry>& objectEntries();
const std::vector<WeaponEntry>& weaponEntries();

// The text of objects.txt (file 0) or otherobjects.txt (file 1).
std::string objectFileText(int file);
std::string animationFileText();
std::string weaponFileText();
