#pragma once
// One game at a time on a saves folder. Two copies writing the same files would overwrite each
// other's progress without a word, so the program holds an advisory lock (flock) on a lock file
// in the folder for as long as it runs; the system lets go of it when the process ends, however
// it ends, so a crashed or killed game never leaves the folder locked.
#include <string>

class SavesFolderLock
{
public:
    enum class Outcome
    {
        Held,           // this process has the folder to itself
        HeldByAnother,  // another running copy of the game has it
        Unavailable,    // no lock could be made (the folder cannot be written); the game goes on
    };

    static constexpr const char* kFileName = "tallowind.lock";

    // Takes the lock on the folder's lock file and keeps it until the process ends. Taking it
    // again for the same folder answers Held.
    static Outcome acquire(const std::string& folder);
};
