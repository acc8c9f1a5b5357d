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
    // Counts the interval down and, when it runs out, plays the next line;
    // the line keeps playing under voiceHandle.
    void speak(float dt);
    // The sound engine keeps its own copy of a sound's place: the speaker
    // carries its voice along while the line plays.
    void carryVoice(cocos2d::Vec2 position);

    // The line now playing (-1 none).
    int32_t voiceHandle = -1;

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
