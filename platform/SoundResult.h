#pragma once
// Results and modes of the sound layer (see SoundSystem.h).

enum class SoundResult
{
    Ok = 0,
    NotInitialised, // init() was not called or failed
    DeviceError,    // the audio device could not be opened or refused to play
    FileError,      // the sound file is missing, unreadable or of an unknown format
    InvalidHandle,  // no such sound or channel (or the channel now plays another sound)
    NoFreeChannel,  // every channel plays a looping sound
};

enum class SoundMode
{
    OneShot,
    Loop,
};
