#pragma once
#include "platform/SafeFileWriter.h"

#include <string>

// The small binary files of the saves folder ("gamestate.dat", the high-score
// tables). They are the player's progress, so:
//  - every write goes through SafeFileWriter, so the old file stays whole
//    until the new one is on the disk;
//  - a file that cannot be understood is reported and renamed aside (to
//    NAME.corrupt, or NAME.corrupt2 ... when that exists), never overwritten;
//  - a file only partly understood is copied aside before it is replaced.
class SavedFile
{
public:
    enum class ReadResult
    {
        Missing,    // no such file: the defaults apply
        Read,       // bytes holds the whole file
        Unreadable, // it exists but could not be read (reported)
    };

    static ReadResult read(const std::string& path, std::string& bytes);
    // Says whether the file was written, and why not; a failed write leaves the
    // old file untouched.
    static SafeFileWriter::Result write(const std::string& path, const std::string& bytes);
    // Reports "path: offset N: problem", renames the file aside and returns the
    // new name (empty when it could not be moved; it is then left in place).
    static std::string rejectCorrupt(const std::string& path, size_t offset, const std::string& problem);

    // Copies the file aside (under the same names as rejectCorrupt) and
    // leaves it in place; returns the copy's name, empty when it failed.
    static std::string copyAside(const std::string& path);

    // Whether a name is that of a file the game writes in the saves folder:
    // one of the saved files, or a damaged one's copy kept aside.
    static bool isSavesFile(const std::string& fileName);
    // Removes what a copy of the game killed half way through a save left in
    // the saves folder: the temporaries of the game's own files, nothing else.
    static void removeLeftovers(const std::string& savesFolder);

private:
    static std::string freeAsideName(const std::string& path);
};
