#pragma once
// A decoded sound of the SoundSystem (see SoundSystem.h).
#include <string>

struct Mix_Chunk;

// A decoded sound ready to play; a small value, copied freely. Default: no sound.
class Sound
{
public:
    bool isValid() const { return _chunk != nullptr; }
    bool loops() const { return _loop; }
    const std::string& path() const { return _path; }

private:
    friend class SoundSystem;
    Mix_Chunk* _chunk = nullptr;
    bool _loop = false;
    std::string _path;
};
