#include "app/SoundEngine.h"

#include "app/Geometry.h"
#include "app/SoundInstance.h"
#include "platform/SoundSystem.h"

#include <algorithm>
#include <cmath>

USING_NS_CC;

namespace {

// Sounds this close to the listener, left or right, play in the centre.
constexpr float kPanDeadZone = 64.0f;
// Pan per pixel beyond the dead zone: full pan at 256 pixels past it.
constexpr float kPanPerPixel = 1.0f / 256.0f;
// The listener x that switches sound off.
constexpr float kListenerOff = -1.0f;
constexpr const char* kSoundFolder = "sfx/";

// Handles run through the whole program, so a stale handle never names a new sound.
int nextHandle = 0;

}

SoundEngine::SoundEngine()
{
    auto* candidate = new SoundSystem;
    if (candidate->init(kChannels) == SoundResult::Ok)
        system = candidate;
    else
        delete candidate; // no device: the game runs silent, without a message
}

float SoundEngine::attenuation(Vec2 listenerPoint, Vec2 point) const
{
    const float distance = fastDistance(listenerPoint, point);
    if (range <= 0.0f)
        return distance == 0.0f ? 1.0f : 0.0f;
    return std::fmax(0.0f, 1.0f - (1.0f / range) * distance);
}

float SoundEngine::panFor(float x) const
{
    const float dx = x - listener.x;
    if (dx >= -kPanDeadZone && dx <= kPanDeadZone)
        return 0.0f;
    const float beyond = dx > 0.0f ? dx - kPanDeadZone : dx + kPanDeadZone;
    return std::clamp(beyond * kPanPerPixel, -1.0f, 1.0f);
}

int SoundEngine::play(const Vec2* source, bool loop, const std::string& name, float volume)
{
    if (listener.x == kListenerOff)
        return -1;

    auto* sound = new SoundInstance(nextHandle++, kSoundFolder + name, loop, volume);
    if (source)
    {
        sound->positional = true;
        sound->source = *source;
        sound->attenuation = attenuation(listener, *source);
        sound->pan = panFor(source->x);
    }
    sound->start(system);
    active.push_back(sound);
    return sound->handle;
}

void SoundEngine::moveSource(int handle, Vec2 position)
{
    for (SoundInstance* sound : active)
        if (sound->handle == handle && sound->positional)
            sound->source = position;
}

void SoundEngine::stop(int handle)
{
    if (handle < 0)
        return;
    auto found = std::find_if(active.begin(), active.end(),
                              [handle](const SoundInstance* sound) { return sound->handle == handle; });
    if (found == active.end())
        return;
    SoundInstance* sound = *found;
    active.erase(found);
    sound->stop();
    delete sound;
}

void SoundEngine::stopAll()
{
    std::vector<SoundInstance*> stopping;
    stopping.swap(active);
    for (SoundInstance* sound : stopping)
    {
        sound->stop();
        delete sound;
    }
}

void SoundEngine::closeDevice()
{
    stopAll();
    delete system;
    system = nullptr;
}

void SoundEngine::setVolume(int handle, float volume)
{
    for (SoundInstance* sound : active)
    {
        if (sound->handle != handle)
            continue;
        sound->setChannelVolume(volume);
        sound->attenuation = volume;
    }
}

void SoundEngine::muteAll()
{
    for (SoundInstance* sound : active)
    {
        sound->setChannelVolume(0.0f);
        sound->muted = true;
    }
}

void SoundEngine::unmuteAll()
{
    for (SoundInstance* sound : active)
    {
        sound->setChannelVolume(sound->attenuation);
        sound->muted = false;
    }
}

void SoundEngine::update()
{
    for (SoundInstance* sound : active)
    {
        if (sound->muted)
            continue;
        if (!sound->loop && !sound->isPlaying())
            finished.push_back(sound);
        else if (sound->positional)
            repan(sound);
    }
    for (SoundInstance* sound : finished)
    {
        active.erase(std::remove(active.begin(), active.end(), sound), active.end());
        delete sound;
    }
    finished.clear();
    if (system)
        system->update();
}

void SoundEngine::repan(SoundInstance* sound)
{
    const float factor = attenuation(listener, sound->source);
    if (factor != sound->attenuation)
    {
        sound->attenuation = factor;
        sound->setChannelVolume(std::min(1.0f, sound->volume * factor));
    }
    const float pan = panFor(sound->source.x);
    if (pan != sound->pan)
    {
        sound->setChannelPan(pan);
        sound->pan = pan;
    }
}

const SoundInstance* SoundEngine::find(int handle) const
{
    for (const SoundInstance* sound : active)
        if (sound->handle == handle)
            return sound;
    return nullptr;
}
