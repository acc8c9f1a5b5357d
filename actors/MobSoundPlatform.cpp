#include "actors/MobSoundPlatform.h"
#include "actors/GameObject.h"
#include "app/SoundEngine.h"
#include <cstdlib>

namespace {
// Enough redraws that two entries repeat with a chance of one in 65536; the
// next entry after that keeps the draw from ever waiting.
constexpr int MaxRedraws = 16;
}

MobSoundPlatform::MobSoundPlatform(const GameObject* owner) : followedPosition(&owner->position)
{
}

int MobSoundPlatform::playNext()
{
    SoundEngine* sound = SoundEngine::getInstance();
    if (!pendingSound.empty())
    {
        const int handle = sound->play(followedPosition, false, pendingSound, 1.0f);
        pendingSound.clear();
        return handle;
    }
    if (soundNames.empty())
        return -1;
    const int32_t entry = drawEntry();
    lastPlayed = entry;
    return sound->play(followedPosition, false, soundNames[static_cast<size_t>(entry)], volume);
}

int32_t MobSoundPlatform::drawEntry() const
{
    const int32_t count = static_cast<int32_t>(soundNames.size());
    if (count == 1)
        return 0;
    int32_t entry = rand() % count;
    for (int draw = 0; draw < MaxRedraws && entry == lastPlayed; ++draw)
        entry = rand() % count;
    return entry == lastPlayed ? (entry + 1) % count : entry;
}

void MobSoundPlatform::speak(float dt)
{
    if (soundNames.empty() && pendingSound.empty())
        return;
    soundTimer -= dt;
    if (soundTimer > 0.0f)
        return;
    soundTimer = soundInterval;
    const int handle = playNext();
    if (handle != -1)
        voiceHandle = handle;
}

void MobSoundPlatform::carryVoice(cocos2d::Vec2 position)
{
    if (voiceHandle == -1)
        return;
    SoundEngine* sound = SoundEngine::getInstance();
    if (sound->find(voiceHandle))
        sound->moveSource(voiceHandle, position);
    else
        voiceHandle = -1;
}
