#pragma once
#include "cocos2d.h"
#include <cstdint>
#include <string>
#include <vector>

class GameObject;

// The voice of the flying robots that speak (adverts, cleaning and police
// announcements): a list of sounds played in a random order that never
// repeats the last one at once, and one pending line that goes first.
class MobSoundPlatform
{
public:
    explicit MobSoundPlatform(const GameObject* owner);
    MobSoundPlatform(const MobSoundPlatform&) = delete;
    MobSoundPlatform& operator=(const MobSoundPlatform&) = delete;

    // Plays the pending line, or else one of the list; the sound's handle, or
    // -1 when nothing played (the owner may move the sound along with it).
    int playNext();

    float volume = 1.0f;
    int32_t lastPlayed = -1;
    float soundTimer = 0.0f;
    float soundInterval = 10.0f;
    const cocos2d::Vec2* followedPosition = nullptr;
    std::string pendingSound;
    std::vector<std::string> soundNames;

protected:
    ~MobSoundPlatform() = default;

private:
    int32_t drawEntry() const;
};
